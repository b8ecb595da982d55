#pragma once
#include <QString>

class QObject;
class Report;

// Sample rows and values for looking at the delivered goods-in document and
// document list templates (the developers' screenshot command and the tests).

// A delivered template of report/ (see DeliveredFile).
QString DeliveredTemplate(const QString& name);

// "cgjh.fr3" with nine colour-by-size lines of one goods-in document; the owner
// keeps the report and its rows.
Report* SampleDocumentReport(QObject* owner);
// "cgjhdjb.fr3" with 36 goods-in documents of a month (two pages).
Report* SampleListReport(QObject* owner);
