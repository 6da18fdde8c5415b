#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

class QPagedPaintDevice;
class QPainter;

// The coefficients as the Kurvendiskussion reads them: the texts of txtA .. txtE, and for a field
// that still shows what the Steckbrief wrote into it, the exact fraction behind that text.
struct CoefficientTexts {
    std::array<QString, 5> texts;
    std::array<QString, 5> fractions;  // "-1/3", or empty where the text holds

    // Either array as the exact reader takes it.
    static std::array<std::string, 5> utf8(const std::array<QString, 5>& texts) {
        std::array<std::string, 5> out;
        for (std::size_t i = 0; i < out.size(); ++i) out[i] = texts[i].toStdString();
        return out;
    }
};

// The window "Kurvendiskussion – Polyskop": the exact curve analysis of the coefficients that
// stand in the main window now. It comes from a library of its own, loaded when the window is
// first asked for, so that the exact arithmetic costs nothing at start.
class DiscussionWindow : public QWidget {
  public:
    using QWidget::QWidget;
    // The coefficients, as they stand after every change.
    virtual void follow(const CoefficientTexts& coefficients) = 0;
};

// The window, or nothing when the library cannot be loaded; then failure says why, in German.
DiscussionWindow* newDiscussionWindow(const QIcon& icon, QString& failure);

// The Kurvendiskussion of the coefficient texts as the clipboard takes it.
struct DiscussionTexts {
    QString plain, html, latex;
};
// Paints the plot's picture into the square, in the painter's device units.
using DiscussionPicture = std::function<void(QPainter&, const QRectF&)>;

// From the same library, whether or not the window is open; false, with failure in German, when
// the library cannot be loaded.
bool discussionTexts(const CoefficientTexts& coefficients, DiscussionTexts& texts,
                     QString& failure);
// The Kurvendiskussion on A4 pages of the device, the picture on the first page.
bool paintDiscussion(QPagedPaintDevice& device, const CoefficientTexts& coefficients,
                     const DiscussionPicture& picture, QString& failure);
