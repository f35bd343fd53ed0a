#include "report/frmPrint.h"

#include "platform/Controls.h"
#include "report/ReportLayout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tallyra {

namespace {

// A date field: typed into only, so its list stays empty and nothing it holds is rewritten.
QComboBox *dateField(const char *name, const QString &tip, int characters)
{
    auto *field = entryCombo(name);
    field->setToolTip(tip);
    field->setMinimumContentsLength(characters);
    field->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    field->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return field;
}

QLabel *rowCaption(const char *name, const QString &text, QWidget *buddy)
{
    auto *label = caption(name, text, buddy);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void nameDateFields(const QString &row, std::initializer_list<QComboBox *> fields)
{
    for (QComboBox *field : fields)
        field->setAccessibleName(row + QStringLiteral(": ") + field->toolTip());
}

} // namespace

FrmPrint::FrmPrint(const Checkbook &book, Platform &platform, QWidget *parent)
    : QDialog(parent), m_book(book), m_platform(platform)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Print Report"));
    buildControls();
    connect(cmdPrint, &QPushButton::clicked, this, &FrmPrint::cmdPrint_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmPrint::cmdCancel_Click);
    Form_Load();
}

void FrmPrint::buildControls()
{
    const QString month = QStringLiteral("Month");
    const QString day = QStringLiteral("Day");
    const QString year = QStringLiteral("Year");
    txtStartMonth = dateField("txtStartMonth", month, 2);
    txtStartDay = dateField("txtStartDay", day, 2);
    txtStartYear = dateField("txtStartYear", year, 4);
    txtEndMonth = dateField("txtEndMonth", month, 2);
    txtEndDay = dateField("txtEndDay", day, 2);
    txtEndYear = dateField("txtEndYear", year, 4);
    txtStartMonth->setEditText(QStringLiteral("1"));
    txtStartDay->setEditText(QStringLiteral("1"));
    txtStartYear->setEditText(QStringLiteral("1990"));
    Label1 = rowCaption("Label1", QStringLiteral("Start Date:"), txtStartMonth);
    Label2 = rowCaption("Label2", QStringLiteral("End Date:"), txtEndMonth);
    // The three fields of a row share its one caption; only their tooltips tell them apart.
    nameDateFields(QStringLiteral("Start Date"), {txtStartMonth, txtStartDay, txtStartYear});
    nameDateFields(QStringLiteral("End Date"), {txtEndMonth, txtEndDay, txtEndYear});

    cmdPrint = named(new QPushButton(QStringLiteral("&Print")), "cmdPrint");
    cmdPrint->setDefault(true);
    cmdCancel = named(new QPushButton(QStringLiteral("&Cancel")), "cmdCancel");

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtStartMonth, 0, 1);
    grid->addWidget(txtStartDay, 0, 2);
    grid->addWidget(txtStartYear, 0, 3);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(txtEndMonth, 1, 1);
    grid->addWidget(txtEndDay, 1, 2);
    grid->addWidget(txtEndYear, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();
    grid->addLayout(buttons, 2, 0, 1, 4);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    setTabChain({txtStartMonth, txtStartDay, txtStartYear, txtEndMonth, txtEndDay, txtEndYear,
                 cmdPrint, cmdCancel});
    txtStartMonth->setFocus();
}

void FrmPrint::Form_Load()
{
    const QDate today = m_platform.clock.today();
    txtEndYear->setEditText(QString::number(today.year()));
    txtEndDay->setEditText(QString::number(today.day()));
    txtEndMonth->setEditText(QString::number(today.month()));
}

DateFields FrmPrint::typedFields() const
{
    return {txtStartMonth->currentText(), txtStartDay->currentText(), txtStartYear->currentText(),
            txtEndMonth->currentText(),   txtEndDay->currentText(),   txtEndYear->currentText()};
}

void FrmPrint::cmdPrint_Click()
{
    const std::optional<ReportRange> range = checkDateRange(typedFields());
    if (!range) {
        rejectDateEntry();
        return;
    }
    QString whyNot;
    const std::unique_ptr<ReportSurface> surface = m_platform.printer.openDefaultPrinter(whyNot);
    if (!surface) {
        reportPrintFailure(whyNot);
        return;
    }
    if (const std::optional<QString> refused = printReport(m_book, *range, *surface)) {
        reportPrintFailure(*refused);
        return;
    }
    close();
}

void FrmPrint::cmdCancel_Click()
{
    close();
}

void FrmPrint::rejectDateEntry()
{
    m_platform.prompter.beep();
    m_platform.prompter.message(this, QMessageBox::Critical, QStringLiteral("ERROR"),
                                QStringLiteral("Invalid date entry. Exiting print"));
    close();
}

void FrmPrint::reportPrintFailure(const QString &why)
{
    m_platform.prompter.message(this, QMessageBox::Critical, QStringLiteral("PRINT FAILED"),
                                QStringLiteral("Nothing was printed: ") + why);
    close();
}

} // namespace tallyra
