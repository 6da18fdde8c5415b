// The floor under the start-up goal: a window of the main window's size that holds one control of
// each kind the main window uses (menu bar, label, line edit, list, push button, option button,
// check box), with text, and nothing else. What it takes beyond the empty window is what the
// toolkit itself asks for text and these controls, before a single control of the program's.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(982, 569);
    window.setWindowTitle("Je ein Steuerelement");
    auto* column = new QVBoxLayout(&window);
    auto* menus = new QMenuBar;
    menus->addMenu("Datei");
    column->setMenuBar(menus);
    column->addWidget(new QLabel("Polyskop"));
    column->addWidget(new QLineEdit("1,5"));
    auto* list = new QComboBox;
    list->addItem("1");
    column->addWidget(list);
    column->addWidget(new QPushButton("Zeichnen"));
    column->addWidget(new QRadioButton("y"));
    column->addWidget(new QCheckBox("Gitter"));
    window.show();
    return QApplication::exec();
}
