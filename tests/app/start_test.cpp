// What the first picture does not need stays out of the start: the image format plugins, which
// reading any picture file loads. Each test runs in a process of its own, so the libraries mapped
// are the window's alone.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QProxyStyle>
#include <QToolButton>

#include "test_window.h"

namespace {

bool mapped(const QString& part) {
    QFile maps("/proc/self/maps");
    if (!maps.open(QIODevice::ReadOnly)) return false;
    return QString::fromLatin1(maps.readAll()).contains(part);
}

TEST(Start, TheFirstPictureLoadsNoImagePlugin) {
    SilentDialogs dialogs;
    frmFunktion window(dialogs);
    window.show();
    window.repaint();
    EXPECT_FALSE(mapped("/imageformats/"));

    // The menu bar's extension arrow, read only now, is the style's own picture all the same.
    auto* arrow = window.findChild<QMenuBar*>()->findChild<QToolButton*>();
    ASSERT_NE(arrow, nullptr);
    const auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    const QImage picture = arrow->icon().pixmap(16).toImage();
    EXPECT_FALSE(picture.isNull());
    EXPECT_EQ(picture, style->baseStyle()
                           ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                           .pixmap(16)
                           .toImage());
}

}  // namespace
