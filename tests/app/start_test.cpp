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

QString mappedFiles() {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) ? QString::fromLatin1(maps.readAll()) : QString();
}

TEST(Start, TheFirstPictureLoadsNoImagePlugin) {
    SilentDialogs dialogs;
    frmFunktion window(dialogs);
    window.show();
    window.repaint();
    const QString maps = mappedFiles();
    ASSERT_TRUE(maps.contains("libQt6Widgets"));  // the list is read, so its silence counts
    EXPECT_FALSE(maps.contains("/imageformats/"));

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
