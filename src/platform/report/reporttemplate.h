#pragma once
#include <QColor>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <vector>

// A banded report template as kept in report/*.fr3: one page description with its
// bands and the objects on them. Every length is in millimetres, measured from the
// top left corner of the band an object sits on; font sizes and line widths are in points.
//
// The file is XML:
//   <report name="..">
//     <variables><variable name="comName" value="default"/>..</variables>
//     <page paper="A4|A5|B5|Roll58|Roll80|Custom" orientation="landscape" width=".." height=".."
//           marginLeft/Top/Right/Bottom=".." columns="2" columnGap="2" printer="..">
//       <band type="ReportTitle|PageHeader|ColumnHeader|MasterData|GroupHeader|GroupFooter|
//                   ReportSummary|PageFooter" height=".." name=".." dataset=".." rowsPerPage=".."
//             field="(group header)" group="(group footer: its header's name)">
//         <text left top width height font size bold italic underline color align valign wrap
//               format frame="all|left,top,right,bottom" frameWidth frameColor fill padding
//               stretch="grow|band">[Variable] [Dataset."field"] [SUM(Dataset."field")]
//               [COUNT(Dataset)] [Page#] [TotalPages#] [Line#]</text>
//         <line left top width height lineWidth color/>   (from left,top to left+width,top+height)
//         <rect left top width height lineWidth color fill/>
//         <picture left top width height file="picture/x.jpg" field="Dataset.&quot;f&quot;" keepAspect/>
//         <barcode left top width height type="ean13|code128|code39|qr" showText>[..]</barcode>
//         <band type="Child" height="..">..</band>
//       </band>
//     </page>
//   </report>
// A page height of 0 (the rolls) makes one page as long as its content.

enum class ReportObjectKind { Text, Line, Rect, Picture, Barcode };
enum class ReportBarcodeType { Ean13, Code128, Code39, Qr };
// grow: the object becomes as tall as its text needs; band: it reaches down to the
// bottom of its band once the band's height is known (ruled table cells).
enum class ReportStretch { None, Grow, Band };

struct ReportObject {
    ReportObjectKind kind = ReportObjectKind::Text;
    QString name;
    double left = 0, top = 0, width = 0, height = 0;

    // Text and barcode content with [..] expressions; for a picture its file.
    QString text;

    // Text.
    QString fontFamily;
    double fontSize = 9;
    bool bold = false, italic = false, underline = false;
    QColor color = Qt::black;
    Qt::Alignment halign = Qt::AlignLeft;
    Qt::Alignment valign = Qt::AlignVCenter;
    bool wordWrap = false;
    QString format; // number display format, applied to numeric values
    bool frameLeft = false, frameTop = false, frameRight = false, frameBottom = false;
    double frameWidth = 0.5;
    QColor frameColor = Qt::black;
    QColor fill;        // invalid: no fill
    double padding = 1; // between frame and text at the sides; half of it above and below
    ReportStretch stretch = ReportStretch::None;

    // Line and rectangle (frameWidth and frameColor give the pen; fill the inside).

    // Picture: the file, or a field holding a file name or the image itself.
    QString field;
    bool keepAspect = true;

    // Barcode.
    ReportBarcodeType barcode = ReportBarcodeType::Code128;
    bool showText = true;

    bool HasFrame() const { return frameLeft || frameTop || frameRight || frameBottom; }
};

enum class ReportBandType {
    ReportTitle,
    PageHeader,
    ColumnHeader,
    MasterData,
    GroupHeader,
    GroupFooter,
    ReportSummary,
    PageFooter,
    Child
};

struct ReportBand {
    ReportBandType type = ReportBandType::MasterData;
    QString name;
    double height = 0;
    // Master data: the dataset it runs over and, when above 0, the number of rows
    // every page holds (the last page is filled up with empty rows).
    QString dataset;
    int rowsPerPage = 0;
    // Group header: the field of the master dataset whose change starts a group.
    // Group footer: the name of the group header it closes (empty: pairs by position).
    QString groupField;
    QString group;
    std::vector<ReportObject> objects;
    // Child bands, printed right below this band each time it prints.
    std::vector<ReportBand> children;
};

struct ReportPage {
    QString paper = QStringLiteral("A4"); // A4, A5, B5, Roll58, Roll80 or Custom
    bool landscape = false;
    double width = 210, height = 297; // height 0: a receipt roll as long as its content
    double marginLeft = 10, marginTop = 10, marginRight = 10, marginBottom = 10;
    // Label stock: master data rows fill the columns across, then down.
    int columns = 1;
    double columnGap = 0;
    // The printer this report goes to when the caller names none; empty: the default one.
    QString printer;
    std::vector<ReportBand> bands;

    bool Endless() const { return height <= 0; }
    double PrintableWidth() const { return width - marginLeft - marginRight; }
    double ColumnWidth() const;
    // Sets paper, orientation and the size that goes with them.
    void SetPaper(const QString& name, bool landscapeOn);
};

struct ReportTemplate {
    QString name;
    // Variables in their order; the values are the template's own defaults.
    QList<QPair<QString, QVariant>> variables;
    ReportPage page;

    bool Empty() const { return page.bands.empty(); }
    // Reads a template; false (and an empty template) when the file is missing or unreadable.
    bool Load(const QString& file, QString* error = nullptr);
    bool Save(const QString& file, QString* error = nullptr) const;
    QByteArray ToXml() const;
    bool FromXml(const QByteArray& xml, QString* error = nullptr);
};

QString ReportBandTypeName(ReportBandType t);
