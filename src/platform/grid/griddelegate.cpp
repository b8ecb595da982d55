#include "platform/grid/griddelegate.h"

#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/grid/gridmodel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

GridDelegate::GridDelegate(GridModel* model, QObject* parent) : QStyledItemDelegate(parent), model_(model) { }

bool GridDelegate::IsNumberCell(const QModelIndex& index) const
{
    const GridColumn& c = model_->Column(index.column());
    if (!c.format.isEmpty())
        return true;
    const QVariant v = model_->Value(index.row(), index.column());
    return v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Double;
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const GridColumn& c = model_->Column(index.column());
    if (c.kind == GridColumn::Kind::Lookup) {
        auto* box = new QComboBox(parent);
        Query* list = c.lookup;
        if (list && list->Active()) {
            const int kc = list->FieldIndex(c.lookupKey);
            const int tc = list->FieldIndex(c.lookupText);
            if (kc >= 0 && tc >= 0)
                for (int r = 0; r < list->RecordCount(); ++r)
                    box->addItem(list->TextAt(r, tc), list->ValueAt(r, kc));
        }
        return box;
    }
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    if (IsNumberCell(index)) {
        static const QRegularExpression number(QStringLiteral("-?[0-9]*\\.?[0-9]*"));
        edit->setValidator(new QRegularExpressionValidator(number, edit));
    }
    Q_UNUSED(option);
    return edit;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QVariant v = model_->Value(index.row(), index.column());
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const QString key = ValueText(v);
        for (int i = 0; i < box->count(); ++i)
            if (ValueText(box->itemData(i)).compare(key, Qt::CaseInsensitive) == 0) {
                box->setCurrentIndex(i);
                return;
            }
        box->setCurrentIndex(-1);
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        edit->setText(ValueText(v));
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        if (box->currentIndex() >= 0)
            model->setData(index, box->currentData(), Qt::EditRole);
        return;
    }
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (!edit)
        return;
    const QString text = edit->text().trimmed();
    if (!IsNumberCell(index)) {
        model->setData(index, text, Qt::EditRole);
        return;
    }
    if (text.isEmpty()) {
        model->setData(index, QVariant(), Qt::EditRole);
        return;
    }
    bool ok = false;
    const double d = text.toDouble(&ok);
    // A half-typed number ("-", ".") leaves the cell as it was.
    if (ok)
        model->setData(index, d, Qt::EditRole);
}
