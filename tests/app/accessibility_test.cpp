// What an assistive technology reads of the main window, walked as it walks it: through the
// accessible interfaces, not the widgets.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QSet>

#include "test_window.h"

namespace {

// Every interface below `node` whose object is a visible widget.
void collect(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& out) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child) continue;
        auto* widget = qobject_cast<QWidget*>(child->object());
        if (widget && !widget->isVisible()) continue;
        out.push_back(child);
        collect(child, out);
    }
}

std::vector<QAccessibleInterface*> treeOf(QWidget& window) {
    std::vector<QAccessibleInterface*> all;
    collect(QAccessible::queryAccessibleInterface(&window), all);
    return all;
}

// The controls of a window that take the focus or are pressed: each must have a name, and no two
// the same. Returns how many there are.
int checkNames(QWidget& window) {
    QSet<QString> names;
    int controls = 0;
    for (QAccessibleInterface* node : treeOf(window)) {
        auto* widget = qobject_cast<QWidget*>(node->object());
        if (!widget) continue;
        const bool focusable = widget->focusPolicy() & Qt::TabFocus;
        if (!focusable && !qobject_cast<QAbstractButton*>(widget)) continue;
        // On Linux a list's name is its text, as the toolkit reports it; its edit field, which
        // takes the focus, says what the list is.
        if (qobject_cast<QComboBox*>(widget) && qobject_cast<QComboBox*>(widget)->isEditable())
            continue;
        ++controls;
        const QString name = node->text(QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty())
            << window.objectName().toStdString() << ": " << widget->objectName().toStdString();
        EXPECT_FALSE(names.contains(name)) << "twice: " << name.toStdString();
        names.insert(name);
    }
    return controls;
}

TEST(Accessibility, EveryControlThatTakesTheFocusOrIsPressedHasADistinctName) {
    SilentDialogs dialogs;
    frmFunktion window(dialogs);
    window.show();
    // The fields, buttons and lists of the tables and the keypad's keys.
    EXPECT_GT(checkNames(window), 100);
    for (const char* other : {"Ansicht/Wertetabelle …", "Hilfe/Funktionen", "Hilfe/Handbuch",
                              "Ansicht/Kurvendiskussion …", "Bearbeiten/Steckbrief …"})
        chooseMenu(window, QString::fromUtf8(other));
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &window && w->isVisible() && w->windowType() == Qt::Window) {
            ++windows;
            EXPECT_GT(checkNames(*w), 0) << w->objectName().toStdString();
        }
    EXPECT_EQ(windows, 5);
}

TEST(Accessibility, NamesSayWhatAControlIsAndTheTooltipDescribesIt) {
    SilentDialogs dialogs;
    frmFunktion window(dialogs);
    window.show();
    const WindowProbe probe(window);
    const auto read = [&](const char* control, QAccessible::Text what) {
        return QAccessible::queryAccessibleInterface(probe.find(control))->text(what);
    };
    EXPECT_EQ(read("txtA", QAccessible::Name), "Koeffizient A (Faktor von x⁴)");
    EXPECT_EQ(read("txtA", QAccessible::Description), "Koeffizient A eintragen");
    EXPECT_EQ(read("txtP01X", QAccessible::Name), "Nullstelle P01, x-Wert");
    EXPECT_EQ(read("txtPW2Y", QAccessible::Name), "Wendepunkt PW2, y-Wert");
    EXPECT_EQ(read("btStartKD", QAccessible::Name), "Kurvendiskussion berechnen");
    EXPECT_EQ(read("btSIN", QAccessible::Name), "Taste Sinus");
    EXPECT_EQ(read("bt7", QAccessible::Name), "Taste 7");
    // The window is read as a window with its title.
    QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(&window);
    EXPECT_EQ(whole->role(), QAccessible::Window);
    EXPECT_EQ(whole->text(QAccessible::Name),
              "Polyskop für Funktionen bis 4. Grades und ihre grafische Darstellung");
}

TEST(Accessibility, ThePlotIsAChartThatSaysItsFunctionAndItsPointsInWords) {
    SilentDialogs dialogs;
    frmFunktion window(dialogs);
    window.show();
    const WindowProbe probe(window);
    QAccessibleInterface* plot = QAccessible::queryAccessibleInterface(probe.find("surface"));
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->role(), QAccessible::Chart);
    EXPECT_EQ(plot->text(QAccessible::Name), "Funktionsgraph");
    EXPECT_EQ(plot->text(QAccessible::Description),
              "y = 0, gezeichnet für -10 ≤ x ≤ 10 und -10 ≤ y ≤ 10. Markierte Punkte: keine.");
    // Read afresh after an analysis.
    analyseManualExample(window);
    const QString words = plot->text(QAccessible::Description);
    EXPECT_TRUE(words.startsWith("y = x⁴ − 5x² + 4, gezeichnet für -10 ≤ x ≤ 10"))
        << words.toStdString();
    EXPECT_TRUE(words.contains("Nullstelle N1 bei (1 | 0); Nullstelle N2 bei (2 | 0)"))
        << words.toStdString();
    EXPECT_TRUE(words.contains("Tiefpunkt E1 bei (1,5811 | -2,25)")) << words.toStdString();
    EXPECT_TRUE(words.endsWith("Schnittpunkt mit der y-Achse bei (0 | 4).")) << words.toStdString();
}

}  // namespace
