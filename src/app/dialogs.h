#pragma once

#include <QString>
#include <optional>

#include "plot/surface.h"

// Message boxes and the colour chooser, reached through one interface so that tests and
// polyskop-scenario can answer them.
class Dialogs {
  public:
    enum class Icon { None, Info, Stop };

    virtual ~Dialogs() = default;
    // A modal box with an OK button. Line breaks inside text are "\r\n".
    virtual void message(Icon icon, const QString& title, const QString& text) = 0;
    // The modal colour chooser: the confirmed colour, or nothing when cancelled.
    virtual std::optional<Colour> chooseColour() = 0;
};

// The real dialogs: QMessageBox and QColorDialog.
class QtDialogs : public Dialogs {
  public:
    void message(Icon icon, const QString& title, const QString& text) override;
    std::optional<Colour> chooseColour() override;
};
