// One day's numbers as its statistics file shows them, gathered for the
// period report and the run record: the session rows before folding, the
// totals, and each address's share.
#ifndef BRANTLOW_DRIVER_DAY_NUMBERS_H_
#define BRANTLOW_DRIVER_DAY_NUMBERS_H_

#include <string>
#include <unordered_map>
#include <vector>

#include "driver/run_settings.h"
#include "files/files_table.h"
#include "log/cost_table.h"
#include "log/session_table.h"
#include "log/window.h"
#include "reports/period_report.h"
#include "reports/run_record.h"

namespace brantlow {

// Each address's totals, and the order in which the addresses first
// appeared: the address summary's sort starts from that order.
class AddressMap {
 public:
  AddressTotals& operator[](const std::string& name) {
    auto [it, added] = by_name_.try_emplace(name);
    if (added) {
      order_.push_back(name);
      it->second.name = name;
    }
    return it->second;
  }
  AddressTotals* Find(const std::string& name) {
    auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : &it->second;
  }
  bool Contains(const std::string& name) const {
    return by_name_.count(name) > 0;
  }
  const std::vector<std::string>& order() const { return order_; }

 private:
  // Found by hashing: a year of a busy station has hundreds of thousands.
  std::unordered_map<std::string, AddressTotals> by_name_;
  std::vector<std::string> order_;
};

// Each counts the day's totals and, unless addresses is null (a run that
// shows no address's numbers), each address's.
// From the table before the address summary folds it: sessions by kind,
// handshake failures, the CPS of every session with a positive one.
void CountSessions(const SessionTable& table, DayTotals& day,
                   AddressMap* addresses);

void CountFiles(const std::vector<FilesListing>& files, AddressMap& addresses);

// The priced calls of a day's cost table.
void CountCosts(const CostTable& costs, DayTotals& day, AddressMap* addresses);

// From the folded table: bytes and time on line, summed as the address
// summary sums them.
void CountFolded(const SessionTable& table, DayTotals& day,
                 AddressMap* addresses);

// The addresses in the order of the address summary.
std::vector<AddressTotals> InSummaryOrder(AddressMap& addresses);

// Every record of the table before folding, dated by the window.
void AddSessionRows(const SessionTable& table, const Window& window,
                    const CostTable& costs, std::vector<SessionRow>& rows);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_DAY_NUMBERS_H_
