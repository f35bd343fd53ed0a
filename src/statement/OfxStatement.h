// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statement/Statement.h"

#include <QByteArrayView>
#include <QString>

namespace tallyra {

// Whether the bytes begin as an OFX or QFX file does, in its SGML (OFXHEADER:100) or its XML
// (<?xml ... <?OFX ...?>) form.
bool looksLikeOfx(QByteArrayView bytes);

// The program that reads OFX files with libofx (tallyra-ofx), where the installation puts it
// relative to this program; the build lays its programs out the same way.
QString ofxReaderProgram();

// The file as the reader is given it: UTF-8 whatever the file was written in, its character
// references resolved (the library drops those it cannot map, and every &quot;), and each date
// the day it names at noon UTC, or empty when it names none. The library turns dates into
// moments by the computer's time zone; from noon UTC the day comes back the same in every zone.
QByteArray ofxForReader(QByteArrayView bytes);

// Reads an OFX or QFX statement, already read from its file, by running `reader` on it.
// Whatever the bytes do to the library, a failure, a crash or a hang, ends in NotAStatement
// with the reason; nothing runs in this process but the reading of the reader's report.
StatementRead readOfxStatement(QByteArrayView bytes, const QString &reader = ofxReaderProgram());

// The statement in the reader's report. Only the first account's transactions are taken: a
// file that holds several accounts is not one checkbook's statement.
StatementRead ofxStatementFromReport(QByteArrayView report);

} // namespace tallyra
