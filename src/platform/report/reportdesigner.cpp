#include "platform/report/reportdesigner.h"

#include "platform/report/preparedreport.h"
#include "platform/report/reportrenderer.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kDesignerDpi = 96;
constexpr double kMinSize = 0.5;
constexpr double kHandle = 2;   // the resize handle's side, millimetres
constexpr double kEdgeGrip = 1; // how near a band's lower edge a press takes the edge

const ReportBandType kBandTypes[] = { ReportBandType::ReportTitle, ReportBandType::PageHeader,
    ReportBandType::ColumnHeader, ReportBandType::MasterData, ReportBandType::GroupHeader, ReportBandType::GroupFooter,
    ReportBandType::ReportSummary, ReportBandType::PageFooter, ReportBandType::Child };

const ReportBarcodeType kBarcodeTypes[]
    = { ReportBarcodeType::Ean13, ReportBarcodeType::Code128, ReportBarcodeType::Code39, ReportBarcodeType::Qr };
const char* const kBarcodeCaptions[] = { "EAN-13", "Code 128", "Code 39", "QR" };

const Qt::Alignment kAligns[] = { Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight };
const ReportStretch kStretches[] = { ReportStretch::None, ReportStretch::Grow, ReportStretch::Band };

int IndexOfBandType(ReportBandType t)
{
    for (int i = 0; i < int(std::size(kBandTypes)); ++i)
        if (kBandTypes[i] == t)
            return i;
    return 0;
}

QString ObjectCaption(ReportObjectKind k)
{
    switch (k) {
    case ReportObjectKind::Text:
        return QStringLiteral("文本");
    case ReportObjectKind::Line:
        return QStringLiteral("线条");
    case ReportObjectKind::Rect:
        return QStringLiteral("矩形");
    case ReportObjectKind::Picture:
        return QStringLiteral("图片");
    case ReportObjectKind::Barcode:
        return QStringLiteral("条码");
    }
    return QString();
}

double PxPerMm(double zoom)
{
    return kDesignerDpi * zoom / 25.4;
}

QDoubleSpinBox* MmBox(QWidget* parent, double min = -1000)
{
    auto* b = new QDoubleSpinBox(parent);
    b->setRange(min, 2000);
    b->setDecimals(1);
    b->setSingleStep(0.5);
    b->setSuffix(QStringLiteral(" mm"));
    return b;
}

} // namespace

// The design surface: the designer's image, with the mouse for selecting, moving,
// resizing and band heights.
class DesignerCanvas : public QWidget {
public:
    explicit DesignerCanvas(ReportDesigner* d) : QWidget(d), d_(d) { setFocusPolicy(Qt::StrongFocus); }

    void Refresh()
    {
        image_ = d_->DesignImage();
        setFixedSize(image_.size());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(0, 0, image_);
    }

    void mousePressEvent(QMouseEvent* e) override
    {
        const double k = PxPerMm(d_->Zoom());
        last_ = QPointF(e->position().x() / k, e->position().y() / k);
        const ReportDesigner::Hit hit = d_->HitTest(last_.x(), last_.y());
        mode_ = Mode::None;
        if (hit.resizeHandle) {
            mode_ = Mode::Resize;
        } else if (hit.object >= 0) {
            d_->SelectObject(hit.band, hit.object);
            mode_ = Mode::Move;
        } else if (hit.band.Valid()) {
            d_->SelectBand(hit.band);
            if (hit.bandEdge)
                mode_ = Mode::Edge;
        } else {
            d_->ClearSelection();
        }
        setFocus();
    }

    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (mode_ == Mode::None)
            return;
        const double k = PxPerMm(d_->Zoom());
        const QPointF at(e->position().x() / k, e->position().y() / k);
        // Whole tenths of a millimetre, so a drag leaves tidy numbers in the file.
        const double dx = std::round((at.x() - last_.x()) * 10) / 10;
        const double dy = std::round((at.y() - last_.y()) * 10) / 10;
        if (dx == 0 && dy == 0)
            return;
        last_ += QPointF(dx, dy);
        if (mode_ == Mode::Move)
            d_->MoveSelected(dx, dy);
        else if (mode_ == Mode::Resize)
            d_->ResizeSelected(dx, dy);
        else if (ReportBand* b = d_->Band(d_->SelectedBand()))
            d_->SetBandHeight(d_->SelectedBand(), b->height + dy);
    }

    void mouseReleaseEvent(QMouseEvent*) override { mode_ = Mode::None; }

private:
    enum class Mode { None, Move, Resize, Edge };
    ReportDesigner* d_;
    QImage image_;
    QPointF last_;
    Mode mode_ = Mode::None;
};

ReportDesigner::ReportDesigner(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("ReportDesigner"));
    setWindowTitle(QStringLiteral("报表设计器"));

    auto* bar = new QHBoxLayout;
    auto button = [&](const QString& caption, auto slot) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        bar->addWidget(b);
        return b;
    };
    button(QStringLiteral("保存"), [this] { btnSaveClick(); });
    for (ReportObjectKind k : { ReportObjectKind::Text, ReportObjectKind::Line, ReportObjectKind::Rect,
             ReportObjectKind::Picture, ReportObjectKind::Barcode })
        button(ObjectCaption(k), [this, k] { AddObject(k); });
    button(QStringLiteral("删除"), [this] { DeleteSelected(); });
    comNewBand_ = new QComboBox(this);
    for (ReportBandType t : kBandTypes)
        comNewBand_->addItem(ReportBandTypeName(t));
    comNewBand_->setCurrentIndex(IndexOfBandType(ReportBandType::MasterData));
    bar->addWidget(comNewBand_);
    button(QStringLiteral("添加带区"), [this] { AddBand(kBandTypes[comNewBand_->currentIndex()]); });
    comZoom_ = new QComboBox(this);
    for (int z : { 50, 75, 100, 150, 200 })
        comZoom_->addItem(QString::number(z) + QLatin1Char('%'), z / 100.0);
    comZoom_->setCurrentIndex(2);
    connect(comZoom_, &QComboBox::activated, this, [this](int i) { SetZoom(comZoom_->itemData(i).toDouble()); });
    bar->addWidget(comZoom_);
    bar->addStretch(1);
    button(QStringLiteral("关闭"), [this] { btnCloseClick(); });

    canvas_ = new DesignerCanvas(this);
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(canvas_);
    scroll_->setBackgroundRole(QPalette::Dark);

    // The property panel: an object's page, a band's page, and an empty one.
    panel_ = new QStackedWidget(this);
    panel_->addWidget(new QLabel(QStringLiteral("请选择对象或带区"), panel_));
    auto* objectPage = new QWidget(panel_);
    auto* of = new QFormLayout(objectPage);
    eLeft_ = MmBox(objectPage);
    eTop_ = MmBox(objectPage);
    eWidth_ = MmBox(objectPage, 0);
    eHeight_ = MmBox(objectPage, 0);
    eText_ = new QLineEdit(objectPage);
    eFont_ = new QLineEdit(objectPage);
    eSize_ = new QDoubleSpinBox(objectPage);
    eSize_->setRange(1, 200);
    eSize_->setDecimals(1);
    eBold_ = new QCheckBox(QStringLiteral("粗体"), objectPage);
    eItalic_ = new QCheckBox(QStringLiteral("斜体"), objectPage);
    eAlign_ = new QComboBox(objectPage);
    eAlign_->addItems({ QStringLiteral("左对齐"), QStringLiteral("居中"), QStringLiteral("右对齐") });
    eWrap_ = new QCheckBox(QStringLiteral("自动换行"), objectPage);
    eFormat_ = new QLineEdit(objectPage);
    auto* frames = new QHBoxLayout;
    const char* const sides[] = { "左", "上", "右", "下" };
    for (int i = 0; i < 4; ++i) {
        eFrame_[i] = new QCheckBox(QString::fromUtf8(sides[i]), objectPage);
        frames->addWidget(eFrame_[i]);
    }
    eFrameWidth_ = new QDoubleSpinBox(objectPage);
    eFrameWidth_->setRange(0, 20);
    eFrameWidth_->setSingleStep(0.5);
    frames->addWidget(eFrameWidth_);
    eFill_ = new QLineEdit(objectPage);
    eFill_->setPlaceholderText(QStringLiteral("#RRGGBB"));
    eStretch_ = new QComboBox(objectPage);
    eStretch_->addItems({ QStringLiteral("不拉伸"), QStringLiteral("随文本增高"), QStringLiteral("到带区底部") });
    eField_ = new QLineEdit(objectPage);
    eBarcode_ = new QComboBox(objectPage);
    for (const char* c : kBarcodeCaptions)
        eBarcode_->addItem(QString::fromLatin1(c));
    auto* style = new QHBoxLayout;
    style->addWidget(eBold_);
    style->addWidget(eItalic_);
    style->addWidget(eWrap_);
    of->addRow(QStringLiteral("左"), eLeft_);
    of->addRow(QStringLiteral("上"), eTop_);
    of->addRow(QStringLiteral("宽"), eWidth_);
    of->addRow(QStringLiteral("高"), eHeight_);
    of->addRow(QStringLiteral("内容/文件"), eText_);
    of->addRow(QStringLiteral("字体"), eFont_);
    of->addRow(QStringLiteral("字号"), eSize_);
    of->addRow(QString(), style);
    of->addRow(QStringLiteral("对齐"), eAlign_);
    of->addRow(QStringLiteral("显示格式"), eFormat_);
    of->addRow(QStringLiteral("边框"), frames);
    of->addRow(QStringLiteral("填充"), eFill_);
    of->addRow(QStringLiteral("拉伸"), eStretch_);
    of->addRow(QStringLiteral("图片字段"), eField_);
    of->addRow(QStringLiteral("条码类型"), eBarcode_);
    panel_->addWidget(objectPage);

    auto* bandPage = new QWidget(panel_);
    auto* bf = new QFormLayout(bandPage);
    bType_ = new QComboBox(bandPage);
    for (ReportBandType t : kBandTypes)
        bType_->addItem(ReportBandTypeName(t));
    bHeight_ = MmBox(bandPage, 0);
    bDataset_ = new QLineEdit(bandPage);
    bRows_ = new QSpinBox(bandPage);
    bRows_->setRange(0, 1000);
    bField_ = new QLineEdit(bandPage);
    bf->addRow(QStringLiteral("类型"), bType_);
    bf->addRow(QStringLiteral("高度"), bHeight_);
    bf->addRow(QStringLiteral("数据集"), bDataset_);
    bf->addRow(QStringLiteral("每页行数"), bRows_);
    bf->addRow(QStringLiteral("分组字段"), bField_);
    panel_->addWidget(bandPage);
    panel_->setMinimumWidth(280);

    for (QDoubleSpinBox* b : { eLeft_, eTop_, eWidth_, eHeight_, eSize_, eFrameWidth_ })
        connect(b, &QDoubleSpinBox::editingFinished, this, [this] { PanelEdited(); });
    for (QLineEdit* e : { eText_, eFont_, eFormat_, eFill_, eField_ })
        connect(e, &QLineEdit::editingFinished, this, [this] { PanelEdited(); });
    for (QCheckBox* c : { eBold_, eItalic_, eWrap_, eFrame_[0], eFrame_[1], eFrame_[2], eFrame_[3] })
        connect(c, &QCheckBox::toggled, this, [this] { PanelEdited(); });
    for (QComboBox* c : { eAlign_, eStretch_, eBarcode_ })
        connect(c, &QComboBox::activated, this, [this] { PanelEdited(); });
    connect(bType_, &QComboBox::activated, this, [this] { BandPanelEdited(); });
    connect(bHeight_, &QDoubleSpinBox::editingFinished, this, [this] { BandPanelEdited(); });
    connect(bRows_, &QSpinBox::editingFinished, this, [this] { BandPanelEdited(); });
    for (QLineEdit* e : { bDataset_, bField_ })
        connect(e, &QLineEdit::editingFinished, this, [this] { BandPanelEdited(); });

    status_ = new QLabel(this);
    auto* body = new QHBoxLayout;
    body->addWidget(scroll_, 1);
    body->addWidget(panel_);
    auto* root = new QVBoxLayout(this);
    root->addLayout(bar);
    root->addLayout(body, 1);
    root->addWidget(status_);
    resize(1100, 720);
    canvas_->Refresh();
}

ReportDesigner::~ReportDesigner() = default;

void ReportDesigner::OpenFile(const QString& file)
{
    file_ = file;
    tmpl_ = ReportTemplate();
    if (QFileInfo::exists(file))
        tmpl_.Load(file);
    if (tmpl_.name.isEmpty())
        tmpl_.name = QFileInfo(file).completeBaseName();
    modified_ = false;
    band_ = ReportBandRef();
    object_ = -1;
    setWindowTitle(QStringLiteral("报表设计器 - ") + QFileInfo(file).fileName());
    RefreshPanel();
    canvas_->Refresh();
}

bool ReportDesigner::Save(QString* error)
{
    QString why;
    // A new template may be the first file of its folder.
    QDir().mkpath(QFileInfo(file_).absolutePath());
    if (!tmpl_.Save(file_, &why)) {
        if (error)
            *error = why;
        return false;
    }
    modified_ = false;
    return true;
}

QList<ReportBandRef> ReportDesigner::Bands() const
{
    QList<ReportBandRef> out;
    for (int b = 0; b < int(tmpl_.page.bands.size()); ++b) {
        out.append({ b, -1 });
        for (int c = 0; c < int(tmpl_.page.bands[b].children.size()); ++c)
            out.append({ b, c });
    }
    return out;
}

ReportBand* ReportDesigner::Band(const ReportBandRef& ref)
{
    if (ref.band < 0 || ref.band >= int(tmpl_.page.bands.size()))
        return nullptr;
    ReportBand& b = tmpl_.page.bands[ref.band];
    if (ref.child < 0)
        return &b;
    if (ref.child >= int(b.children.size()))
        return nullptr;
    return &b.children[ref.child];
}

ReportBand* ReportDesigner::SelectedBandPtr()
{
    return Band(band_);
}

void ReportDesigner::SelectBand(const ReportBandRef& ref)
{
    band_ = Band(ref) ? ref : ReportBandRef();
    object_ = -1;
    RefreshPanel();
    canvas_->Refresh();
}

void ReportDesigner::SelectObject(const ReportBandRef& ref, int index)
{
    ReportBand* b = Band(ref);
    if (!b || index < 0 || index >= int(b->objects.size())) {
        ClearSelection();
        return;
    }
    band_ = ref;
    object_ = index;
    RefreshPanel();
    canvas_->Refresh();
}

void ReportDesigner::ClearSelection()
{
    band_ = ReportBandRef();
    object_ = -1;
    RefreshPanel();
    canvas_->Refresh();
}

ReportObject* ReportDesigner::SelectedObject()
{
    ReportBand* b = SelectedBandPtr();
    if (!b || object_ < 0 || object_ >= int(b->objects.size()))
        return nullptr;
    return &b->objects[object_];
}

void ReportDesigner::Changed()
{
    modified_ = true;
    RefreshPanel();
    canvas_->Refresh();
}

void ReportDesigner::MoveSelected(double dx, double dy)
{
    ReportObject* o = SelectedObject();
    if (!o)
        return;
    o->left = std::max(0.0, o->left + dx);
    o->top = std::max(0.0, o->top + dy);
    Changed();
}

void ReportDesigner::ResizeSelected(double dw, double dh)
{
    ReportObject* o = SelectedObject();
    if (!o)
        return;
    // A line may run flat in either direction; everything else keeps a visible size.
    const double min = o->kind == ReportObjectKind::Line ? 0 : kMinSize;
    o->width = std::max(min, o->width + dw);
    o->height = std::max(min, o->height + dh);
    Changed();
}

void ReportDesigner::ApplyToSelected(const ReportObject& o)
{
    ReportObject* target = SelectedObject();
    if (!target)
        return;
    *target = o;
    Changed();
}

void ReportDesigner::SetBandHeight(const ReportBandRef& ref, double height)
{
    ReportBand* b = Band(ref);
    if (!b)
        return;
    b->height = std::max(0.0, height);
    Changed();
}

void ReportDesigner::ApplyToBand(const ReportBandRef& ref, ReportBandType type, double height, const QString& dataset,
    int rowsPerPage, const QString& groupField)
{
    ReportBand* b = Band(ref);
    if (!b)
        return;
    b->type = type;
    b->height = std::max(0.0, height);
    b->dataset = dataset.trimmed();
    b->rowsPerPage = std::max(0, rowsPerPage);
    b->groupField = groupField.trimmed();
    Changed();
}

int ReportDesigner::AddObject(ReportObjectKind kind)
{
    ReportBand* b = SelectedBandPtr();
    if (!b) {
        Prompt::Info(QStringLiteral("请先选择一个带区！"));
        return -1;
    }
    ReportObject o;
    o.kind = kind;
    o.fontFamily = kReportDefaultFont;
    // A name of its own within the band, as the file keeps it.
    int n = int(b->objects.size()) + 1;
    const QString stem = QStringLiteral("Memo");
    auto taken = [&](const QString& name) {
        return std::any_of(b->objects.begin(), b->objects.end(), [&](const ReportObject& x) { return x.name == name; });
    };
    while (taken(stem + QString::number(n)))
        ++n;
    o.name = stem + QString::number(n);
    switch (kind) {
    case ReportObjectKind::Line:
        o.width = 40;
        o.height = 0;
        break;
    case ReportObjectKind::Picture:
        o.width = 20;
        o.height = 20;
        break;
    case ReportObjectKind::Barcode:
        o.width = 40;
        o.height = 12;
        break;
    default:
        o.width = 30;
        o.height = std::min(5.0, std::max(kMinSize, b->height));
        break;
    }
    b->objects.push_back(o);
    object_ = int(b->objects.size()) - 1;
    Changed();
    return object_;
}

ReportBandRef ReportDesigner::AddBand(ReportBandType type)
{
    ReportBand b;
    b.type = type;
    b.height = 10;
    b.name = ReportBandTypeName(type) + QString::number(tmpl_.page.bands.size() + 1);
    tmpl_.page.bands.push_back(b);
    band_ = { int(tmpl_.page.bands.size()) - 1, -1 };
    object_ = -1;
    Changed();
    return band_;
}

void ReportDesigner::DeleteSelected()
{
    ReportBand* b = SelectedBandPtr();
    if (!b || object_ < 0 || object_ >= int(b->objects.size()))
        return;
    b->objects.erase(b->objects.begin() + object_);
    object_ = -1;
    Changed();
}

void ReportDesigner::SetZoom(double zoom)
{
    zoom_ = std::clamp(zoom, 0.25, 4.0);
    for (int i = 0; i < comZoom_->count(); ++i)
        if (std::abs(comZoom_->itemData(i).toDouble() - zoom_) < 1e-9)
            comZoom_->setCurrentIndex(i);
    canvas_->Refresh();
}

QList<ReportDesigner::Strip> ReportDesigner::Strips() const
{
    QList<Strip> out;
    double y = tmpl_.page.marginTop;
    for (const ReportBandRef& ref : Bands()) {
        const ReportBand& b
            = ref.child < 0 ? tmpl_.page.bands[ref.band] : tmpl_.page.bands[ref.band].children[ref.child];
        Strip s;
        s.band = ref;
        s.labelTop = y;
        s.top = y + kLabelHeight;
        s.height = b.height;
        out.append(s);
        y = s.top + s.height;
    }
    return out;
}

ReportDesigner::Hit ReportDesigner::HitTest(double xMm, double yMm) const
{
    Hit hit;
    const double x = xMm - tmpl_.page.marginLeft;
    auto* self = const_cast<ReportDesigner*>(this);
    for (const Strip& s : Strips()) {
        if (yMm < s.labelTop || yMm > s.top + s.height + kEdgeGrip)
            continue;
        const ReportBand* b = self->Band(s.band);
        const double y = yMm - s.top;
        // The selected object's handle first, then the topmost object under the point.
        if (s.band == band_ && object_ >= 0 && object_ < int(b->objects.size())) {
            const ReportObject& o = b->objects[object_];
            const double r = o.left + o.width, bottom = o.top + o.height;
            if (std::abs(x - r) <= kHandle / 2 + 0.5 && std::abs(y - bottom) <= kHandle / 2 + 0.5) {
                hit.band = s.band;
                hit.object = object_;
                hit.resizeHandle = true;
                return hit;
            }
        }
        if (yMm > s.top + s.height - kEdgeGrip && yMm <= s.top + s.height + kEdgeGrip) {
            hit.band = s.band;
            hit.bandEdge = true;
            return hit;
        }
        if (yMm > s.top + s.height)
            continue;
        hit.band = s.band;
        for (int i = int(b->objects.size()) - 1; i >= 0; --i) {
            const ReportObject& o = b->objects[i];
            // Lines are thin: a millimetre either side of them counts.
            const QRectF r = QRectF(o.left, o.top, o.width, o.height).normalized().adjusted(-0.5, -0.5, 0.5, 0.5);
            if (r.contains(x, y)) {
                hit.object = i;
                break;
            }
        }
        return hit;
    }
    return hit;
}

QImage ReportDesigner::DesignImage() const
{
    const QList<Strip> strips = Strips();
    const double contentBottom
        = strips.isEmpty() ? tmpl_.page.marginTop + 20 : strips.last().top + strips.last().height;
    PreparedPage page;
    page.width = tmpl_.page.width;
    page.height = contentBottom + tmpl_.page.marginBottom;
    auto* self = const_cast<ReportDesigner*>(this);
    for (const Strip& s : strips) {
        const ReportBand* b = self->Band(s.band);
        for (const ReportObject& o : b->objects) {
            PreparedItem item;
            item.object = &o;
            item.rect = QRectF(tmpl_.page.marginLeft + o.left, s.top + o.top, o.width, o.height);
            item.text = o.text;
            if (o.kind == ReportObjectKind::Picture && !o.text.isEmpty())
                item.image = QImage(o.text);
            page.items.push_back(item);
        }
    }
    const double dpi = kDesignerDpi * zoom_;
    QImage image = RenderReportPageImage(page, dpi);
    const double k = dpi / 25.4;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const double left = tmpl_.page.marginLeft * k, right = (tmpl_.page.width - tmpl_.page.marginRight) * k;
    QFont labelFont(kReportDefaultFont);
    labelFont.setPixelSize(std::max(8, int(kLabelHeight * k * 0.6)));
    p.setFont(labelFont);
    for (const Strip& s : strips) {
        const ReportBand* b = self->Band(s.band);
        const QRectF label(left, s.labelTop * k, right - left, kLabelHeight * k);
        const bool selectedBand = s.band == band_ && object_ < 0;
        p.fillRect(label, selectedBand ? QColor(255, 214, 120) : QColor(222, 226, 232));
        QString caption = ReportBandTypeName(b->type);
        if (!b->dataset.isEmpty())
            caption += QStringLiteral(": ") + b->dataset;
        if (!b->name.isEmpty())
            caption += QStringLiteral("  (") + b->name + QLatin1Char(')');
        p.setPen(Qt::black);
        p.drawText(label.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);
        p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
        const double bottom = (s.top + s.height) * k;
        p.drawLine(QPointF(left, bottom), QPointF(right, bottom));
        if (s.band == band_ && object_ >= 0 && object_ < int(b->objects.size())) {
            const ReportObject& o = b->objects[object_];
            const QRectF r
                = QRectF((tmpl_.page.marginLeft + o.left) * k, (s.top + o.top) * k, o.width * k, o.height * k)
                      .normalized();
            p.setPen(QPen(QColor(0, 90, 220), 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r);
            const double h = kHandle * k;
            p.fillRect(QRectF(r.right() - h / 2, r.bottom() - h / 2, h, h), QColor(0, 90, 220));
        }
    }
    return image;
}

bool ReportDesigner::HandleKey(int key, Qt::KeyboardModifiers modifiers)
{
    const double step = (modifiers & Qt::ShiftModifier) ? 5 : 0.5;
    switch (key) {
    case Qt::Key_Left:
        MoveSelected(-step, 0);
        return SelectedObject() != nullptr;
    case Qt::Key_Right:
        MoveSelected(step, 0);
        return SelectedObject() != nullptr;
    case Qt::Key_Up:
        MoveSelected(0, -step);
        return SelectedObject() != nullptr;
    case Qt::Key_Down:
        MoveSelected(0, step);
        return SelectedObject() != nullptr;
    case Qt::Key_Delete:
        if (!SelectedObject())
            return false;
        DeleteSelected();
        return true;
    default:
        return false;
    }
}

void ReportDesigner::keyPressEvent(QKeyEvent* e)
{
    if (HandleKey(e->key(), e->modifiers()))
        return;
    Form::keyPressEvent(e);
}

void ReportDesigner::btnSaveClick()
{
    QString why;
    if (!Save(&why))
        Prompt::Info(QStringLiteral("报表保存失败：") + why);
    else
        status_->setText(QStringLiteral("已保存：") + file_);
}

void ReportDesigner::btnCloseClick()
{
    close();
}

bool ReportDesigner::FormCloseQuery()
{
    if (!modified_)
        return true;
    switch (Prompt::YesNoCancel(QStringLiteral("报表已修改，是否保存？"))) {
    case Prompt::Answer::Yes: {
        QString why;
        if (Save(&why))
            return true;
        Prompt::Info(QStringLiteral("报表保存失败：") + why);
        return false;
    }
    case Prompt::Answer::No:
        return true;
    default:
        return false;
    }
}

void ReportDesigner::RefreshPanel()
{
    filling_ = true;
    if (const ReportObject* o = SelectedObject()) {
        panel_->setCurrentIndex(1);
        eLeft_->setValue(o->left);
        eTop_->setValue(o->top);
        eWidth_->setValue(o->width);
        eHeight_->setValue(o->height);
        eText_->setText(o->text);
        eFont_->setText(o->fontFamily);
        eSize_->setValue(o->fontSize);
        eBold_->setChecked(o->bold);
        eItalic_->setChecked(o->italic);
        const Qt::Alignment h = o->halign & Qt::AlignHorizontal_Mask;
        eAlign_->setCurrentIndex(h == Qt::AlignHCenter ? 1 : h == Qt::AlignRight ? 2 : 0);
        eWrap_->setChecked(o->wordWrap);
        eFormat_->setText(o->format);
        const bool frame[4] = { o->frameLeft, o->frameTop, o->frameRight, o->frameBottom };
        for (int i = 0; i < 4; ++i)
            eFrame_[i]->setChecked(frame[i]);
        eFrameWidth_->setValue(o->frameWidth);
        eFill_->setText(o->fill.isValid() ? o->fill.name() : QString());
        eStretch_->setCurrentIndex(
            int(std::find(std::begin(kStretches), std::end(kStretches), o->stretch) - std::begin(kStretches)));
        eField_->setText(o->field);
        eBarcode_->setCurrentIndex(
            int(std::find(std::begin(kBarcodeTypes), std::end(kBarcodeTypes), o->barcode) - std::begin(kBarcodeTypes)));
    } else if (const ReportBand* b = SelectedBandPtr()) {
        panel_->setCurrentIndex(2);
        bType_->setCurrentIndex(IndexOfBandType(b->type));
        bHeight_->setValue(b->height);
        bDataset_->setText(b->dataset);
        bRows_->setValue(b->rowsPerPage);
        bField_->setText(b->groupField);
    } else {
        panel_->setCurrentIndex(0);
    }
    filling_ = false;
}

void ReportDesigner::PanelEdited()
{
    const ReportObject* current = SelectedObject();
    if (filling_ || !current)
        return;
    ReportObject o = *current;
    o.left = eLeft_->value();
    o.top = eTop_->value();
    o.width = eWidth_->value();
    o.height = eHeight_->value();
    o.text = eText_->text();
    o.fontFamily = eFont_->text().trimmed();
    o.fontSize = eSize_->value();
    o.bold = eBold_->isChecked();
    o.italic = eItalic_->isChecked();
    o.halign = kAligns[std::clamp(eAlign_->currentIndex(), 0, 2)];
    o.wordWrap = eWrap_->isChecked();
    o.format = eFormat_->text();
    o.frameLeft = eFrame_[0]->isChecked();
    o.frameTop = eFrame_[1]->isChecked();
    o.frameRight = eFrame_[2]->isChecked();
    o.frameBottom = eFrame_[3]->isChecked();
    o.frameWidth = eFrameWidth_->value();
    const QColor fill(eFill_->text().trimmed());
    o.fill = eFill_->text().trimmed().isEmpty() || !fill.isValid() ? QColor() : fill;
    o.stretch = kStretches[std::clamp(eStretch_->currentIndex(), 0, 2)];
    o.field = eField_->text().trimmed();
    o.barcode = kBarcodeTypes[std::clamp(eBarcode_->currentIndex(), 0, 3)];
    ApplyToSelected(o);
}

void ReportDesigner::BandPanelEdited()
{
    if (filling_ || !SelectedBandPtr() || object_ >= 0)
        return;
    ApplyToBand(band_, kBandTypes[std::clamp(bType_->currentIndex(), 0, int(std::size(kBandTypes)) - 1)],
        bHeight_->value(), bDataset_->text(), bRows_->value(), bField_->text());
}

void DesignReport(const QString& file, QWidget* parent)
{
    ReportDesigner d(parent);
    d.OpenFile(file);
    Prompt::ShowModal(&d);
}
