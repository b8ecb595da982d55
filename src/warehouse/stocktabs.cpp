#include "warehouse/stocktabs.h"

QLabel* AddStockTitle(QWidget* tab, QVBoxLayout* v, const QString& text)
{
    auto* title = new QLabel(text, tab);
    title->setObjectName(QStringLiteral("ltitle"));
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold"));
    v->addWidget(title);
    return title;
}
