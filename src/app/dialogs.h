#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "plot/surface.h"

class QPrinter;
class QWidget;

// Message boxes, the colour chooser, the file dialog for saving and the print dialog, reached
// through one interface so that tests and polyskop-scenario can answer them.
class Dialogs {
  public:
    enum class Icon { None, Info, Stop };

    virtual ~Dialogs() = default;
    // A modal box with an OK button. Line breaks inside text are "\r\n".
    virtual void message(Icon icon, const QString& title, const QString& text) = 0;
    // The modal colour chooser, opened at the current colour: the confirmed colour, or nothing
    // when cancelled.
    virtual std::optional<Colour> chooseColour(Colour current) = 0;
    // The modal file dialog for saving: the chosen path and, in chosenFilter, the filter it was
    // chosen with; nothing when cancelled. Dialogs that answer nothing cancel.
    virtual std::optional<QString> saveFileName(const QString& title, const QStringList& filters,
                                                QString& chosenFilter);
    // The modal print dialog, which sets up the printer; false when cancelled.
    virtual bool choosePrinter(QPrinter& printer);
};

// The real dialogs: QMessageBox and QColorDialog, owned by a window (centred over it, without
// a task-bar entry of their own). Texts are shown as plain text, as typed.
class QtDialogs : public Dialogs {
  public:
    void setOwner(QWidget* owner) { owner_ = owner; }

    void message(Icon icon, const QString& title, const QString& text) override;
    std::optional<Colour> chooseColour(Colour current) override;
    std::optional<QString> saveFileName(const QString& title, const QStringList& filters,
                                        QString& chosenFilter) override;
    bool choosePrinter(QPrinter& printer) override;

  private:
    QWidget* owner_ = nullptr;
};
