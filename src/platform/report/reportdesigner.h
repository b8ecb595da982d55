#pragma once
#include "platform/report/reporttemplate.h"
#include "platform/ui/form.h"

#include <QImage>
#include <QList>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSpinBox;
class QStackedWidget;
class DesignerCanvas;

// Where a band sits: a band of the page (child -1) or one of its child bands.
struct ReportBandRef {
    int band = -1;
    int child = -1;
    bool Valid() const { return band >= 0; }
    bool operator==(const ReportBandRef& o) const { return band == o.band && child == o.child; }
};

// The report designer: opens a template file, draws its page with the bands as
// labelled strips and their objects as the renderer draws them, lets the operator
// select, move, resize, edit, add and delete objects and change bands, and saves the
// template back to its file. Every command is a public method, so that it can be
// driven without a mouse. Lengths are millimetres, as in the template.
class ReportDesigner : public Form {
    Q_OBJECT
public:
    explicit ReportDesigner(QWidget* parent = nullptr);
    ~ReportDesigner() override;

    // Opens a template; a missing or unreadable file opens an empty report, which
    // saving creates.
    void OpenFile(const QString& file);
    QString FileName() const { return file_; }
    // Writes the template to its file; false (and the reason) when it cannot.
    bool Save(QString* error = nullptr);
    bool Modified() const { return modified_; }
    ReportTemplate& Template() { return tmpl_; }
    const ReportTemplate& Template() const { return tmpl_; }

    // The bands in the order they are drawn: each band, then its child bands.
    QList<ReportBandRef> Bands() const;
    ReportBand* Band(const ReportBandRef& ref);

    void SelectBand(const ReportBandRef& ref);
    void SelectObject(const ReportBandRef& ref, int index);
    void ClearSelection();
    ReportBandRef SelectedBand() const { return band_; }
    // -1 when a band (or nothing) is selected.
    int SelectedObjectIndex() const { return object_; }
    ReportObject* SelectedObject();

    // The selected object moved or resized by the amounts given; a size never drops
    // below 0.5 mm and an object never leaves its band's top left corner.
    void MoveSelected(double dx, double dy);
    void ResizeSelected(double dw, double dh);
    // The whole object, as the property panel edits it.
    void ApplyToSelected(const ReportObject& o);
    void SetBandHeight(const ReportBandRef& ref, double height);
    // The band properties of the panel.
    void ApplyToBand(const ReportBandRef& ref, ReportBandType type, double height, const QString& dataset,
        int rowsPerPage, const QString& groupField);
    // A new object of that kind at the top left of the selected band (or the band
    // of the selected object); its index, -1 without a band.
    int AddObject(ReportObjectKind kind);
    // A new band of that type at the end of the page; it becomes the selection.
    ReportBandRef AddBand(ReportBandType type);
    // Deletes the selected object (a selected band stays: its objects would go with it
    // unasked).
    void DeleteSelected();

    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }
    // The page as drawn in the designer, at its zoom.
    QImage DesignImage() const;
    // Millimetres of the design surface: the band and object found at a point.
    struct Hit {
        ReportBandRef band;
        int object = -1;
        bool resizeHandle = false; // the selected object's lower right corner
        bool bandEdge = false;     // the band's lower edge
    };
    Hit HitTest(double xMm, double yMm) const;

    // Keys: arrows move the selected object 0.5 mm, 5 mm with Shift; Delete deletes.
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers);

    // Toolbar.
    void btnSaveClick();
    void btnCloseClick();
    bool FormCloseQuery() override;

    // The strip of one band on the design surface (millimetres from the top).
    struct Strip {
        ReportBandRef band;
        double labelTop = 0; // its caption strip
        double top = 0;      // its body
        double height = 0;
    };
    QList<Strip> Strips() const;
    static constexpr double kLabelHeight = 5;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    friend class DesignerCanvas;
    void Changed();
    void RefreshPanel();
    void PanelEdited();
    void BandPanelEdited();
    ReportBand* SelectedBandPtr();

    QString file_;
    ReportTemplate tmpl_;
    bool modified_ = false;
    ReportBandRef band_;
    int object_ = -1;
    double zoom_ = 1.0;
    bool filling_ = false;

    DesignerCanvas* canvas_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QComboBox* comZoom_ = nullptr;
    QComboBox* comNewBand_ = nullptr;
    QStackedWidget* panel_ = nullptr;
    QLabel* status_ = nullptr;

    // Object page of the property panel.
    QDoubleSpinBox* eLeft_ = nullptr;
    QDoubleSpinBox* eTop_ = nullptr;
    QDoubleSpinBox* eWidth_ = nullptr;
    QDoubleSpinBox* eHeight_ = nullptr;
    QLineEdit* eText_ = nullptr;
    QLineEdit* eFont_ = nullptr;
    QDoubleSpinBox* eSize_ = nullptr;
    QCheckBox* eBold_ = nullptr;
    QCheckBox* eItalic_ = nullptr;
    QComboBox* eAlign_ = nullptr;
    QCheckBox* eWrap_ = nullptr;
    QLineEdit* eFormat_ = nullptr;
    QCheckBox* eFrame_[4] = {};
    QDoubleSpinBox* eFrameWidth_ = nullptr;
    QLineEdit* eFill_ = nullptr;
    QComboBox* eStretch_ = nullptr;
    QLineEdit* eField_ = nullptr;
    QComboBox* eBarcode_ = nullptr;

    // Band page.
    QComboBox* bType_ = nullptr;
    QDoubleSpinBox* bHeight_ = nullptr;
    QLineEdit* bDataset_ = nullptr;
    QSpinBox* bRows_ = nullptr;
    QLineEdit* bField_ = nullptr;
};

// Opens the designer modally on a template file (a missing one opens empty).
void DesignReport(const QString& file, QWidget* parent = nullptr);
