#include "app/dialogs.h"

#include <QColorDialog>
#include <QMessageBox>

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
