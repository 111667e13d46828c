// The modem's connect string and the remote mailer of every session.
#ifndef BRANTLOW_REPORTS_CONNECT_TABLE_H_
#define BRANTLOW_REPORTS_CONNECT_TABLE_H_

#include "base/report_texts.h"
#include "log/session_table.h"
#include "platform/output.h"

namespace brantlow {

void WriteConnectTable(const SessionTable& table, Output& out,
                       const ReportTexts& texts);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_CONNECT_TABLE_H_
