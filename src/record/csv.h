#pragma once
// "CSV に書き出す": the sessions and the answers of one pupil or of every
// pupil, as two CSV files a spreadsheet opens as they are (Excel on a
// Japanese Windows too): UTF-8 with a byte-order mark, CRLF line ends,
// numbers as bare numbers, dates and times in ISO form, each file written
// whole or not at all.
#include <QString>
#include <functional>

class RecordStore;

// A text cell, always quoted, its quotes doubled. A text a spreadsheet would
// take for a formula (beginning with =, +, -, @, a tab or a carriage
// return) gets an apostrophe in front, so a name typed as a formula stays a name.
QString CsvText(const QString &text);

// The answers file beside a sessions file: "きろく.csv" → "きろく_こたえ.csv".
QString AnswersCsvPath(const QString &sessionsPath);

// Writes the sessions of `pupilId` (every pupil's when empty) to
// `sessionsPath` and their answers to AnswersCsvPath(sessionsPath). False
// with `error` set when either cannot be written; neither file is then
// left half written.
bool WriteRecordCsv(RecordStore &record, const QString &pupilId, const QString &sessionsPath,
                    const std::function<QString(int form)> &screenName, QString *error);
