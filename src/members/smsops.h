#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

// The bulk SMS batches and the SMS log, without widgets. A batch under preparation
// is the operator's rows of jxc_smshy under its number, without a send time.

// The initial text of a batch, which counts as no text.
QString InitialSmsText();
// Adds the members to the operator's batch.
void AddSmsRecipients(const QString& number, const QStringList& memberSns);
// Moves the operator's batch to a new number of the date; answers the new number.
QString RenumberSmsBatch(const QString& number, const QDate& date);
// A refusal of the send, or "".
QString SmsBatchRefusal(int recipients, const QString& text);
// Writes the batch header, sends each recipient his message (placeholders filled
// with his current values) and completes his row. Answers the recipients sent.
int SendSmsBatch(const QString& number, const QDate& date, const QString& text);
// Discards the operator's prepared batch.
void DiscardSmsBatch(const QString& number);

// The log list: sent messages of the period, optionally matching the key.
QString SmsLogSql();
// Deletes one logged row; the batch header goes with the batch's last row.
void DeleteSmsLogRow(qint64 id);
// Sends the logged message again and logs it under a new number of its own.
void ResendSms(qint64 id);
