// SPDX-License-Identifier: GPL-3.0-or-later
// Reads one OFX or QFX file with libofx and writes what it found to standard output, one
// record a line, for Tallyra to read. A file of its own, so that libofx is loaded only when a
// statement is imported, and so that a file that makes the library fail or crash ends this
// process, never the register window.
//
//   statement <TAB> account <TAB> ledger balance cents <TAB> start <TAB> end <TAB> as of
//   transaction <TAB> account <TAB> date <TAB> amount cents <TAB> type <TAB> check <TAB> name
//               <TAB> memo
//   end
//
// Dates are the YYYY-MM-DD of the moment the library makes of them, in UTC: Tallyra writes
// every date of the file it gives this program as noon UTC of the day the bank wrote, so that
// is the day, in any time zone. A field the file does not give (or gives as something that is
// no date or amount) is empty. Texts escape backslash, tab, CR and LF as \\ \t \r \n.

#include <cmath>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <libofx/libofx.h>
#include <string>
#include <unistd.h>

#ifdef _WIN32
#include <io.h>
constexpr const char *NullDevice = "NUL";
#else
constexpr const char *NullDevice = "/dev/null";
#endif

namespace {

FILE *out = nullptr;
// libofx gives the time of the call for a date it cannot read, and 0 for an empty one: a date
// in that window is no date.
time_t parseStarted = 0;

std::string escaped(const char *text)
{
    std::string result;
    for (const char *c = text; *c; ++c) {
        switch (*c) {
        case '\\':
            result += "\\\\";
            break;
        case '\t':
            result += "\\t";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\n':
            result += "\\n";
            break;
        default:
            result += *c;
        }
    }
    return result;
}

std::string text(int valid, const char *value)
{
    return valid ? escaped(value) : std::string();
}

std::string date(int valid, time_t when)
{
    if (!valid || when <= 0 || (when >= parseStarted - 1 && when <= std::time(nullptr) + 1))
        return {};
    tm utc{};
#ifdef _WIN32
    if (gmtime_s(&utc, &when) != 0)
        return {};
#else
    if (!gmtime_r(&when, &utc))
        return {};
#endif
    char buffer[16];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d", &utc);
    return buffer;
}

std::string cents(int valid, double amount)
{
    // Beyond a hundred billion dollars a double no longer holds every cent.
    if (!valid || !std::isfinite(amount) || std::fabs(amount) > 1e11)
        return {};
    return std::to_string(std::llround(amount * 100));
}

const char *typeName(int valid, TransactionType type)
{
    static const char *const names[] = {"CREDIT",    "DEBIT",   "INT",  "DIV",       "FEE",
                                        "SRVCHG",    "DEP",     "ATM",  "POS",       "XFER",
                                        "CHECK",     "PAYMENT", "CASH", "DIRECTDEP", "DIRECTDEBIT",
                                        "REPEATPMT", "OTHER"};
    if (!valid || type < 0 || type >= int(sizeof names / sizeof names[0]))
        return "";
    return names[type];
}

int onTransaction(const OfxTransactionData data, void *)
{
    std::fprintf(out, "transaction\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n",
                 text(data.account_id_valid, data.account_id).c_str(),
                 date(data.date_posted_valid, data.date_posted).c_str(),
                 cents(data.amount_valid, data.amount).c_str(),
                 typeName(data.transactiontype_valid, data.transactiontype),
                 text(data.check_number_valid, data.check_number).c_str(),
                 text(data.name_valid, data.name).c_str(),
                 text(data.memo_valid, data.memo).c_str());
    return 0;
}

int onStatement(const OfxStatementData data, void *)
{
    std::fprintf(out, "statement\t%s\t%s\t%s\t%s\t%s\n",
                 text(data.account_id_valid, data.account_id).c_str(),
                 cents(data.ledger_balance_valid, data.ledger_balance).c_str(),
                 date(data.date_start_valid, data.date_start).c_str(),
                 date(data.date_end_valid, data.date_end).c_str(),
                 date(data.ledger_balance_date_valid, data.ledger_balance_date).c_str());
    return 0;
}

void quiet()
{
    ofx_PARSER_msg = ofx_DEBUG_msg = ofx_DEBUG1_msg = ofx_DEBUG2_msg = ofx_DEBUG3_msg = false;
    ofx_DEBUG4_msg = ofx_DEBUG5_msg = ofx_STATUS_msg = ofx_INFO_msg = false;
    ofx_WARNING_msg = ofx_ERROR_msg = ofx_show_position = false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: tallyra-ofx FILE\n", stderr);
        return 2;
    }
    // What the library prints goes nowhere; the records go to the real standard output.
    out = fdopen(dup(STDOUT_FILENO), "w");
    const int nowhere = open(NullDevice, O_WRONLY);
    if (!out || nowhere < 0 || dup2(nowhere, STDOUT_FILENO) < 0)
        return 1;
#ifdef _WIN32
    // Lines end in LF alone, as Tallyra reads them.
    _setmode(fileno(out), _O_BINARY);
#endif
    quiet();

    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_transaction_cb(context, onTransaction, nullptr);
    ofx_set_statement_cb(context, onStatement, nullptr);
    parseStarted = std::time(nullptr);
    libofx_proc_file(context, argv[1], OFX);
    libofx_free_context(context);
    std::fputs("end\n", out);
    return std::fclose(out) == 0 ? 0 : 1;
}
