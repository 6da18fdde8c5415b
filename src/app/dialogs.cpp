#include "app/dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

#include "app/qt_colour.h"

void QtDialogs::message(Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon == Icon::Stop   ? QMessageBox::Critical
                    : icon == Icon::Info ? QMessageBox::Information
                                         : QMessageBox::NoIcon,
                    title, QString(text).replace("\r\n", "\n"), QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<Colour> QtDialogs::chooseColour(Colour current) {
    const QColor c = QColorDialog::getColor(toQColor(current), owner_);
    if (!c.isValid()) return std::nullopt;
    return toColour(c);
}

std::optional<QString> Dialogs::saveFileName(const QString&, const QStringList&, QString&) {
    return std::nullopt;
}

bool Dialogs::choosePrinter(QPrinter&) { return false; }

std::optional<QString> QtDialogs::saveFileName(const QString& title, const QStringList& filters,
                                               QString& chosenFilter) {
    const QString path =
        QFileDialog::getSaveFileName(owner_, title, QString(), filters.join(";;"), &chosenFilter);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

bool QtDialogs::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, owner_);
    return dialog.exec() == QDialog::Accepted;
}
