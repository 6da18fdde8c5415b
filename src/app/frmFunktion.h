#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QPointF>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <span>

#include "analysis/curve_analysis.h"
#include "analysis/results_table.h"
#include "app/controls.h"
#include "app/dialogs.h"
#include "app/discussion_window.h"
#include "app/shared_state.h"
#include "app/steckbrief_window.h"
#include "plot/drawing_style.h"
#include "plot/plot_layer.h"
#include "plot/recording_surface.h"
#include "plot/surface.h"
#include "plot/view_state.h"
#include "plot/zoom.h"

class PlotWidget;
class ScaledArea;
namespace plot {
enum class CurveKind;
}
class QMenuBar;

class frmHelpFKT;
class frmWertetabelle;
class QAction;
class QMenu;
struct AnalysisPage;
class QPagedPaintDevice;

// The program's one window. All the program needs of it from outside is to build and show it:
// the controls, the handlers and the module-level variables are its own. Every control is a
// private member named as the control; an element of a control array, lblP(30), is the member
// lblP_30 with the objectName "lblP(30)". The module-level variables come from SharedState, so
// handlers read NullpunktY directly.
//
// The test programs, the tests and the benchmarks see the window through WindowProbe
// (window_probe.h): controls found by their objectName, the targets of the scenario language,
// and the few operations a person cannot reach with an event, such as the timer's tick.
class frmFunktion : public QWidget, private SharedState {
    Q_OBJECT
  public:
    explicit frmFunktion(Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmFunktion() override;

  protected:
    // Form_Unload: closing the main window closes every other window of the program.
    void closeEvent(QCloseEvent* event) override;

  private:
    friend class WindowProbe;
    struct Tables;  // the control tables, which name the members (frmFunktion_layout.cpp)

    // The message boxes and the colour chooser (the old comdlg1).
    Dialogs& dialogs;

    // Where drawings go, and what it holds: every primitive since it was last cleared.
    Surface& surface();
    const RecordingSurface& retained() const;

    // The window's mouse pointer: the hourglass while on, the default arrow otherwise.
    void setHourglass(bool on);
    bool hourglass() const { return hourglass_; }

    // Elements of the control arrays by index: lblF(0), lblF(31)..lblF(34), lblP(0)..lblP(33).
    Label* lblF(int index) const;
    Label* lblP(int index) const;

    // Plotting: axes, grid lines, the first drawing and the grid button.
    void ZeichneAchsen();
    void ZeichneHilfslinien();
    void Timer1_Timer();
    void cbHL_Click();
    void HilfslinienAus();  // the grid-off redraw: clear the surface, draw the axes
    // The picture drawn anew: the axes on a wiped surface, the grid when it is on and the curves
    // y .. y'''; after a new colour HG too (zoom, panning and reset leave it out).
    enum class Redraw { NewView, NewColour };
    void redraw(Redraw how);

    // Plotting: curves, range fields, zoom, colours
    void ZeichneY();
    void ZeichneY1();
    void ZeichneY2();
    void ZeichneY3();
    void ZeichneHG();
    void btZ1_Click();
    void btZ2_Click();
    void btZ3_Click();
    void btZ4_Click();
    void btZHG_Click();
    void txtIX1_KeyPress(int& keyAscii);
    void txtIX2_KeyPress(int& keyAscii);
    void txtIY1_KeyPress(int& keyAscii);
    void txtIY2_KeyPress(int& keyAscii);
    void txtXA_KeyPress(int& keyAscii);
    void txtYA_KeyPress(int& keyAscii);
    void txtIX1_Change();
    void txtIX2_Change();
    void txtIY1_Change();
    void txtIY2_Change();
    // The list fields run these only for typing; setSpacingText runs them for the program.
    void txtXA_Change();
    void txtYA_Change();
    // The program sets a spacing field's text: its change handler runs, the caret goes to the end.
    void setSpacingText(QComboBox* field, const QString& text);
    void lblBG_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void lblBG_Wheel(int notches, float x, float y);
    void lblBG_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, float x, float y);
    void lblBG_MouseUp(Qt::MouseButton button, float x, float y);
    void lblPo_MouseDown(Qt::MouseButton button);
    void lblPo_DblClick();
    void btReset_Click();
    void lblF1_Click();
    void lblF2_Click();
    void lblF3_Click();
    void lblF4_Click();
    void lblF5_Click();
    void cbAHC_Click();
    void lblFAH_Click();
    void cbBackC_Click();
    void lblHGF_Click();
    void cbStrichstärke_Click();
    // Terms: calculator, term editor and keypad
    void btBerechnen_Click();
    void txtX_KeyPress(int& keyAscii);
    void lblErgebnis_DblClick();
    void btC_Click();
    void btBS_Click();
    void btCVX_Click();
    void txtF_DblClick();
    void txtFKT1_DblClick();
    void txtFKT2_DblClick();
    void txtFKT3_DblClick();
    void txtFKT4_DblClick();
    void txtHilfsgleichung_DblClick();
    void btCF1_Click();
    void btCF2_Click();
    void btCF3_Click();
    void btCF4_Click();
    void btCHG_Click();
    void insertIntoTerm(const QString& text);  // a keypad button at the caret of txtF
    void txtF_KeyPress(int& keyAscii);
    void txtHilfsgleichung_KeyPress(int& keyAscii);

    // Curve analysis: coefficients, the run, the result panel
    void LoeschErgebnisse();
    void LoeschFunktionen();
    void ZeigErgebnisfelder();
    void btStartKD_Click();
    void btCKo_Click();
    void btCKD_Click();
    // The change handling of txtA..txtE, which reads the field into its coefficient.
    void coefficientChanged(const TextField* field, numtext::FieldValue& coefficient);
    QWidget* analysisField(analysis::Field field) const;

    // Help windows and the information on the program
    void btHilfe_Click();
    void btHelpFKT_Click();
    void showAbout();

    // Getting the picture and the analysis out: files, clipboard, printer (frmFunktion_export.cpp)
    void savePicture();
    void copyPicture();
    void copyResults();
    void printAnalysis();
    void saveAnalysisPdf();
    // The value table of the function fields' terms (frmFunktion_valuetable.cpp)
    void showValueTable();
    // The exact Kurvendiskussion in its window (F5), following every coefficient change.
    void showDiscussion();
    void followDiscussion();
    // The Kurvendiskussion of the fields as they stand, with or without its window.
    // The texts of the Kurvendiskussion now, or nothing after a message why not.
    std::optional<DiscussionTexts> discussionTextsNow();
    void copyDiscussion();
    void copyDiscussionLatex();
    void printDiscussion();
    void saveDiscussionPdf();
    CoefficientTexts coefficientTexts() const;
    // The Steckbrief in its window; "Übernehmen" writes its coefficients into txtA .. txtE.
    void showSteckbrief();
    void takeCoefficients(const std::array<QString, 5>& texts,
                          const std::array<QString, 5>& fractions);
    // A field edited since the Steckbrief wrote into it keeps its own text only.
    void forgetEditedFractions();
    // The axis numbers and marked points over the picture, as the Ansicht menu has them
    // (frmFunktion_layer.cpp).
    plot::Layer plotLayer() const;
    QString plotDescription() const;  // the plot in words, for assistive technologies

    // The window grown or shrunk by whole steps of 25 % from a scale, or set to a scale (steps 0)
    // (frmFunktion_scale.cpp).
    void scaleWindow(double scale, int steps);
    // The client area below the menu bar given this size in pixels, as dragging the frame does.
    void resizeClientArea(QSize size);

    // A control's background colour: the swatches and the plot square show the drawing style.
    static Colour backColour(const QWidget* control);
    static void setBackColour(QWidget* control, Colour colour);

    // Coefficients
    Label* lblF_0;
    TextField* txtA;
    Label* lblF_31;
    TextField* txtB;
    Label* lblF_32;
    TextField* txtC;
    Label* lblF_33;
    TextField* txtD;
    Label* lblF_34;
    TextField* txtE;
    QPushButton* btCKo;

    // Function fields
    Label* Label6;
    Label *lblF1, *lblF2, *lblF3, *lblF4, *lblF5;
    QRadioButton *ob1, *ob2, *ob3, *ob4, *obHG;
    Label *Label5, *Label15, *Label17, *Label48, *Label47;
    MemoField *txtFKT1, *txtFKT2, *txtFKT3, *txtFKT4, *txtHilfsgleichung;
    QPushButton *btZ1, *btZ2, *btZ3, *btZ4, *btZHG;
    QPushButton *btCF1, *btCF2, *btCF3, *btCF4, *btCHG;

    // Line widths and drawing style
    QComboBox* cbKreuz;
    QComboBox* cbStrich;
    QCheckBox* cbStrichstärke;
    QFrame* frame1;
    Label* Label18;
    QRadioButton* obStrich;
    Label* Label19;
    QRadioButton* obPunkt;

    // Term editor and keypad
    MemoField* txtF;
    QPushButton* btHelpFKT;
    QPushButton* btBS;  // the keypad's other keys are named in terms/keypad.h

    // Value at X
    QRadioButton* obX;
    Label* lblXT;
    TextField* txtX;
    QPushButton* btCVX;
    Label* Label2;
    Label* lblErgebnis;
    QPushButton* btC;
    QPushButton* btBerechnen;

    // Curve analysis and results
    QPushButton* btCKD;
    QPushButton* btStartKD;
    Label *lblP_30, *lblP_31, *lblP_32, *lblP_33;
    Label *lblP_0, *lblP_1, *lblP_2, *lblP_3;
    TextField *txtP01X, *txtP02X, *txtP03X, *txtP04X;
    Label *lblP_20, *lblP_21, *lblP_22, *lblP_23;
    TextField *txtP01Y, *txtP02Y, *txtP03Y, *txtP04Y;
    Label *lblP_10, *lblP_11, *lblP_12, *lblP_13;
    Label *lblP_5, *lblP_6, *lblP_7;
    TextField *txtPE1X, *txtPE2X, *txtPE3X;
    Label *lblP_25, *lblP_26, *lblP_27;
    TextField *txtPE1Y, *txtPE2Y, *txtPE3Y;
    Label *lblP_15, *lblP_16, *lblP_17;
    Label *lblMMPE1, *lblMMPE2, *lblMMPE3;
    Label *lblP_8, *lblP_9;
    TextField *txtPW1X, *txtPW2X;
    Label *lblP_28, *lblP_29;
    TextField *txtPW1Y, *txtPW2Y;
    Label *lblP_18, *lblP_19;
    Label* lblP_4;
    TextField* txtPYX;
    Label* lblP_24;
    TextField* txtPYY;
    Label* lblP_14;

    // Plot settings
    QPushButton* cbBackC;
    Label* lblHGF;
    QPushButton* cbAHC;
    Label* lblFAH;
    QPushButton* btReset;
    Label* Label1;
    Label* lblZoom;
    Label* Label7;
    TextField* txtIX1;
    Label* Label8;
    TextField* txtIX2;
    Label* Label9;
    TextField* txtIY1;
    Label* Label10;
    TextField* txtIY2;
    Label* Label11;
    QPushButton* cbHL;
    Label* Label12;
    QComboBox* txtXA;
    Label* Label13;
    QComboBox* txtYA;
    Label* Label14;
    Label* Label16;
    Label* lblPo;
    Label* lblBG;

    // Help and other controls
    QPushButton* btHilfe;
    Label* Label4;
    QTimer* Timer1;

    void buildControls();  // frmFunktion_layout.cpp
    void nameControls();   // frmFunktion_accessible.cpp
    void buildMenu();      // frmFunktion_menu.cpp
    void buildAnalysisMenu();
    void buildViewMenu();
    // Each handler file wires its own handlers.
    void connectGridHandlers();
    void connectFieldHandlers();
    void connectCurveHandlers();
    void connectZoomHandlers();
    void connectColourHandlers();
    void connectTermHandlers();
    void connectAnalysisHandlers();
    void connectHelpHandlers();

    // The panel's fields are written through the panel, which the marks and the copies read.
    void writeFields(std::span<const analysis::Field> fields, const std::string& text);
    void writeResult(analysis::Field f, const std::string& text);
    void readPanelEdits();

    void updateCopyResults();
    void zoomIn(float x, float y);
    void showZoomStep(const plot::ZoomStep& step);
    void showZoomFactor(const std::string& factor);
    void showReadout(const std::string& caption);
    // The handlers' common steps (frmFunktion_colours.cpp, _curves.cpp, _fields.cpp).
    void chooseCurveColour(Label* swatch, Colour& curve);
    void zeichne(const MemoField* field, Colour colour, plot::CurveKind kind, const QString& name,
                 const char* legendName);
    void withHourglass(void (frmFunktion::*draw)());
    void spacingKeyPress(QComboBox* field, QWidget* next, int& keyAscii);
    // A range or spacing field's change handling, which reads the field into the view first.
    void rangeChange(QLineEdit* field, numtext::FieldValue& range);
    void spacingChange(QComboBox* field, plot::Spacing& spacing);
    std::optional<QPointF> dragFrom_;  // where a left press on the plot began, in twips
    AnalysisPage analysisPage() const;
    // False after a message when the library of the Kurvendiskussion is missing.
    bool paintDiscussionPages(QPagedPaintDevice& device);

    plot::ViewState view_;  // read from txtIX1 .. txtYA, shown by cbHL, lblZoom and lblPo
    std::array<numtext::FieldValue, 5> coefficients_;  // read from txtA .. txtE
    analysis::ShownResults panel_;  // the function fields and the result panel as they show
    plot::DrawingStyle style_;      // shown by the swatches, obStrich and obPunkt
    QPointer<QWidget> hilfe_;       // the manual's window
    QPointer<frmWertetabelle> valueTable_;
    QPointer<DiscussionWindow> discussion_;
    QPointer<SteckbriefWindow> steckbrief_;
    // What the Steckbrief last wrote into txtA .. txtE, with the exact fractions behind it; a
    // fraction holds until its field is edited.
    CoefficientTexts taken_;
    QAction* copyResultsAction_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QAction* axisNumbersAction_ = nullptr;
    QAction* marksAction_ = nullptr;
    QAction* legendAction_ = nullptr;
    QPointer<frmHelpFKT> helpFKT_;

    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;         // the controls' container at 100 %
    ScaledArea* scaledArea_ = nullptr;  // the client area below the menu bar, around client_
    PlotWidget* painter_ = nullptr;
    bool hourglass_ = false;
    std::map<int, Label*> lblFArray_, lblPArray_;
    std::array<QWidget*, analysis::kFieldCount> analysisFields_{};
};
