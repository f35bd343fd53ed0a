// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "register/Checkbook.h"
#include "register/RegisterDocument.h"
#include "report/DateRange.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace tallyra {

// The report window: takes a date range, checks it and prints the entries in it on the
// default printer, or offers them as a PDF file when they cannot be printed. It only reads the
// register, and closes in every way out.
class FrmPrint : public QDialog
{
    Q_OBJECT

public:
    FrmPrint(const RegisterDocument &document, Platform &platform, QWidget *parent = nullptr);

    // Where the report went, once the window has closed, for the main window's status bar:
    // the printer and job that took it, or the PDF file it was saved as; empty when neither.
    QString reportSentAs() const { return m_sentAs; }

private:
    void buildControls();
    void Form_Load();

    void cmdPrint_Click();
    void cmdPreview_Click();
    void cmdCancel_Click();
    void printOn(ReportJob &job, const ReportRange &range);
    void rejectDateEntry();
    void reportPrintFailure(const QString &why);
    void offerPdfCopy(ReportJob &job);
    std::optional<ReportRange> checkedRange();
    DateFields typedFields() const;

    const Checkbook &m_book;
    Platform &m_platform;
    QString m_sentAs;

    QLabel *Label1 = nullptr;
    QComboBox *txtStartMonth = nullptr;
    QComboBox *txtStartDay = nullptr;
    QComboBox *txtStartYear = nullptr;
    QComboBox *txtEndMonth = nullptr;
    QComboBox *txtEndDay = nullptr;
    QComboBox *txtEndYear = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdPreview = nullptr;
    QPushButton *cmdCancel = nullptr;
    QLabel *Label2 = nullptr;
};

} // namespace tallyra
