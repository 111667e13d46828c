// The modem's connect string and the remote mailer of every session.
#ifndef BRANTLOW_REPORTS_CONNECT_TABLE_H_
#define BRANTLOW_REPORTS_CONNECT_TABLE_H_

#include <string>

#include "log/session_table.h"
#include "platform/text_file.h"

namespace brantlow {

// Appends the table to the named file, or writes it anew when fresh (the
// connect file of its own).
FileOutcome WriteConnectTable(const SessionTable& table, const std::string& path,
                       bool fresh);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_CONNECT_TABLE_H_
