#pragma once
// "CSV に書き出す": the sessions and the answers of one pupil or of every
// pupil, as two CSV files a spreadsheet opens as they are (Excel on a
// Japanese Windows too): UTF-8 with a byte-order mark, CRLF line ends,
// numbers as bare numbers, dates and times in ISO form, each file written
// whole or not at all.
#include <QDate>
#include <QString>
#include <functional>

class RecordStore;

// A text cell, always quoted, its quotes doubled. A text a spreadsheet would
// take for a formula (beginning with =, +, -, @, a tab or a carriage
// return) gets an apostrophe in front, so a name typed as a formula stays a name.
QString CsvText(const QString &text);

// The answers file beside a sessions file: "きろく.csv" → "きろく_こたえ.csv".
QString AnswersCsvPath(const QString &sessionsPath);

// The つまずき file beside a sessions file: "きろく.csv" → "きろく_つまずき.csv".
QString StumblesCsvPath(const QString &sessionsPath);

// Writes the sessions of `pupilId` (every pupil's when empty) to
// `sessionsPath` and their answers to AnswersCsvPath(sessionsPath); with a
// `today`, each pupil's つまずき list over the 30 days up to it to
// StumblesCsvPath(sessionsPath). False with `error` set when any cannot be
// written; no file is then left half written.
bool WriteRecordCsv(RecordStore &record, const QString &pupilId, const QString &sessionsPath,
                    const std::function<QString(int form)> &screenName, QString *error,
                    const QDate &today = {});
