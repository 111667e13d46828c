// Writes a realistic mailer log (and the matching Maximus log) for the
// benchmarks: deterministic for a seed, CP866 with CR LF line ends.
//
//   gen --out LOG [--bbs MAXLOG] [--days N | --size-mb M] [--sessions S]
//       [--start DD/MM] [--seed N] [--transfers T] [--humans H] [--binkd 1]
//
// Every day holds S sessions spread over the day: mailer sessions in both
// directions with address, mailer, password and transfer lines of every
// protocol tag (some cancelled) and a summary line; handshake failures;
// human callers passed on to the BBS, with their call in the Maximus log;
// terminal emulator periods; and the noise real logs are full of (EMSI
// data, outbound rescans, dialling and modem replies). --transfers and
// --humans fix the day's transfer lines and BBS callers exactly, for the
// worst-case day. --binkd 1 writes binkd's log instead: binkp sessions in
// both directions with the manager's lines among them, failed calls.
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Random {
  std::uint64_t state;
  std::uint64_t Next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }
};

const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
const char* const kSpeeds[] = {"9600/ARQ/LAPM/V42BIS", "14400/ARQ/V32BIS/LAPM/V42BIS",
                               "21600/ARQ/V34/LAPM/V42BIS", "26400/ARQ/V34/LAPM/V42BIS",
                               "28800/ARQ/V34/LAPM/V42BIS", "31200/ARQ/V34/LAPM/V42BIS",
                               "33600/ARQ/V34/LAPM/V42BIS"};
const char* const kMailers[] = {"T-Mail/2608.NT", "GoldED/BinkleyTerm 2.60",
                                "Hydra/1.2 (T-Mail)", "Bink/w32 0.9.2",
                                "FrontDoor/2.26SW", "Argus/3.210"};
const char* const kSent[] = {"JS-32", "HS-16", "ZS-1", "XS"};
const char* const kReceived[] = {"JR-32", "HR-16", "ZR-1", "XR"};
const char* const kFiles[] = {"0000ff01.mo0", "1a2b3c4d.pkt", "nodelist.z14",
                              "0463006f.su1", "56ef00aa.we1", "fileecho.tic",
                              "sysop.txt", "nodediff.a42", "pointlst.zip"};
const char* const kUsers[] = {"Ivan Petrov", "Olga Smirnova", "Petr Sidorov",
                              "Anna Kuznetsova", "Sergey Popov", "Guest User",
                              "Dmitry Volkov", "Elena Sokolova"};

struct Writer {
  std::FILE* log;
  std::FILE* bbs;
  int day, month;
  std::uint64_t written = 0;
  int pid = 1000;

  // A binkd line of process pid: "+ 15 Mar 12:34:56 [4242] text", LF ended.
  void Binkd(int second, char level, int process, const char* format, ...)
      __attribute__((format(printf, 5, 6))) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    int n = std::fprintf(log, "%c %02d %s %02d:%02d:%02d [%d] %s\n", level, day,
                         kMonths[month - 1], second / 3600, second / 60 % 60,
                         second % 60, process, text);
    if (n > 0) written += static_cast<std::uint64_t>(n);
  }

  void Line(int second, const char* format, ...) __attribute__((format(printf, 3, 4))) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    int n = std::fprintf(log, "%02d/%02d %02d:%02d:%02d %s\r\n", day, month,
                         second / 3600, second / 60 % 60, second % 60, text);
    if (n > 0) written += static_cast<std::uint64_t>(n);
  }
  void Bbs(int second, char mark, const char* format, ...) __attribute__((format(printf, 4, 5))) {
    if (bbs == nullptr) return;
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    std::fprintf(bbs, "%c %02d %s %02d:%02d:%02d MAX  %s\r\n", mark, day,
                 kMonths[month - 1], second / 3600, second / 60 % 60,
                 second % 60, text);
  }
};

struct Options {
  const char* out = nullptr;
  const char* bbs = nullptr;
  int days = 1;
  std::uint64_t size_mb = 0;
  int sessions = 40;
  int day = 1, month = 1;
  std::uint64_t seed = 1;
  int transfers = -1;  // exact count per day, or -1 for random
  int humans = -1;
  bool binkd = false;
};

void Address(Random& r, char* out, std::size_t size) {
  if (r.Chance(20))
    std::snprintf(out, size, "2:%d/%d.%d", 5000 + r.Below(100), r.Below(900),
                  1 + r.Below(20));
  else
    std::snprintf(out, size, "2:%d/%d", 5000 + r.Below(100), r.Below(900));
}

void Noise(Writer& w, Random& r, int second) {
  switch (r.Below(5)) {
    case 0: w.Line(second, "Rescanning outbound"); break;
    case 1: w.Line(second, "Dialing 2:%d/%d (+7-095-%03d-%04d)", 5000 + r.Below(100),
                   r.Below(900), r.Below(1000), r.Below(10000));
            w.Line(second + 30, "NO CARRIER"); break;
    case 2: w.Line(second, "ATZ"); w.Line(second, "OK"); break;
    case 3: w.Line(second, "EMSI: Boss Station BBS, Moscow, Russia, "
                   "Sysop Ivan Ivanov, +7-095-123-4567, 33600, CM,XA,V32B,V42B,"
                   "ZYX,HYD,JAN,MO"); break;
    default: w.Line(second, "\xFE T-Mail 2608.NT, line 1, event processor started");
  }
}

// One session starting at second, lasting less than slot seconds.
void Session(Writer& w, Random& r, int second, int slot, int kind,
            int transfers) {
  const char* speed = kSpeeds[r.Below(7)];
  char address[32];
  Address(r, address, sizeof address);
  if (kind == 1) {  // handshake failure
    w.Line(second, "\xFE Incoming call: CONNECT %s", speed);
    w.Line(second + 20, "Handshake failure");
    return;
  }
  if (kind == 2) {  // human caller, passed on to the BBS
    int end = second + slot * 3 / 4;
    w.Line(second, "\xFE Incoming call: CONNECT %s", speed);
    w.Line(second + 4, "Human caller.");
    w.Line(second + 4, "Running Maximus, errorlevel exit expected");
    w.Line(end, "Returned to T-Mail with errorlevel 2");
    const char* user = kUsers[r.Below(8)];
    w.Bbs(second + 5, '+', "Begin, v3.01 (task=1)");
    w.Bbs(second + 6, '+', "Connected at %d baud", std::atoi(speed));
    w.Bbs(second + 20, '+', "%s calling", user);
    if (r.Chance(10)) w.Bbs(second + 30, '!', "Bad pwd (%s)", user);
    int at = second + 40;
    for (int k = r.Below(3); k > 0 && at < end - 10; --k, at += 10) {
      int bytes = 1000 + r.Below(200000);
      w.Bbs(at, ':', "CPS: %d (%d bytes)", 1000 + r.Below(2400), bytes);
      w.Bbs(at + 1, '+', "%s-%s", r.Chance(70) ? "DL" : "UL", kFiles[r.Below(9)]);
    }
    w.Bbs(end - 5, '+', "End, %s (0)", user);
    return;
  }
  if (kind == 3) {  // terminal emulator
    w.Line(second, "Entering terminal emulator");
    w.Line(second + 4, "ATZ");
    w.Line(second + slot / 2, "Leaving terminal emulator");
    return;
  }
  const bool incoming = r.Chance(60);
  if (!incoming) w.Line(second - 20 > 0 ? second - 20 : second, "Dialing %s", address);
  w.Line(second, "\xFE %s call: CONNECT %s", incoming ? "Incoming" : "Outgoing", speed);
  if (r.Chance(50)) w.Line(second + 10, "EMSI: Quiet Harbour, Pskov, Russia");
  w.Line(second + 12, "%s, using %s", address, kMailers[r.Below(6)]);
  switch (r.Below(10)) {
    case 0: w.Line(second + 12, "Password mismatch: 'SECRET' vs 'secret'"); break;
    case 1: w.Line(second + 12, "Bad password: got 'guest'"); break;
    default: w.Line(second + 12, "Password protected session");
  }
  int n = transfers >= 0 ? transfers : r.Below(8);
  int sent = 0, received = 0, at = second + 14;
  for (int k = 0; k < n; ++k) {
    int size = 100 + r.Below(500000);
    int cps = 200 + r.Below(3200);
    bool send = r.Chance(50);
    const char* tag = send ? kSent[r.Below(4)] : kReceived[r.Below(4)];
    if (r.Chance(8)) {
      w.Line(at, "%s %s %d cancelled at pos %d, %d cps", tag, kFiles[r.Below(9)],
             size, size / 3, cps);
    } else {
      w.Line(at, "%s %s %d OK: 0:%02d, %d cps, %d%%", tag, kFiles[r.Below(9)],
             size, r.Below(60), cps, r.Below(100));
      (send ? sent : received) += size;
    }
    if (at < second + slot - 10) ++at;
  }
  w.Line(at + 1, "\xFE %s, bytes %d/%d, time 0:%02d:%02d", address, received,
         sent, (at + 1 - second) / 60 % 60, (at + 1 - second) % 60);
}

// One binkp session of a new process, begun at second by the manager's
// process 1000.
void BinkdSession(Writer& w, Random& r, int second) {
  char address[32];
  Address(r, address, sizeof address);
  const int p = ++w.pid;
  const bool incoming = r.Chance(60);
  if (incoming) {
    w.Binkd(second, '-', 1000, "incoming from 192.0.2.%d (%d)", r.Below(250), 30000 + r.Below(9999));
    w.Binkd(second, '+', p, "incoming session with 192.0.2.%d", r.Below(250));
  } else {
    w.Binkd(second, '+', p, "call to %s@fidonet", address);
    w.Binkd(second, ' ', p, "trying 198.51.100.%d [198.51.100.%d]...", r.Below(250), r.Below(250));
    if (r.Chance(10)) {
      w.Binkd(second + 1, '?', p, "connection to %s@fidonet failed: Connection refused", address);
      w.Binkd(second + 1, '+', p, "holding %s@fidonet (2026/03/15 12:00:00)", address);
      w.Binkd(second + 1, ' ', 1000, "rc(%d)=0", p);
      return;
    }
    w.Binkd(second, ' ', p, "connected");
    w.Binkd(second, '+', p, "outgoing session with 198.51.100.%d:24554", r.Below(250));
  }
  w.Binkd(second + 1, '-', p, "SYS Quiet Harbour BBS");
  w.Binkd(second + 1, '-', p, "ZYZ Ivan Petrov");
  w.Binkd(second + 1, '-', p, "VER binkd/1.1a-115/Linux binkp/1.1");
  w.Binkd(second + 1, '+', p, "addr: %s@fidonet", address);
  if (r.Chance(30)) w.Binkd(second + 1, '+', p, "addr: %s.1@fidonet", address);
  w.Binkd(second + 1, '-', p, "OPT NDA EXTCMD CRYPT GZ");
  if (r.Chance(80)) w.Binkd(second + 1, '+', p, "pwd protected session (MD5)");
  long long sent = 0, received = 0;
  int files_sent = 0, files_received = 0, at = second + 2;
  for (int k = r.Below(8); k > 0; --k, ++at) {
    const char* name = kFiles[r.Below(9)];
    const int size = 100 + r.Below(3000000);
    const int cps = 10000 + r.Below(900000);
    if (r.Chance(50)) {
      w.Binkd(at, '+', p, "sending /var/spool/ftn/outb/%s as %s (%d)", name, name, size);
      w.Binkd(at, '+', p, "sent: /var/spool/ftn/outb/%s (%d, %d.00 CPS, %s@fidonet)", name,
              size, cps, address);
      sent += size;
      ++files_sent;
    } else {
      w.Binkd(at, '-', p, "receiving %s (%d byte(s), off 0)", name, size);
      w.Binkd(at, '+', p, "%s -> /var/spool/ftn/inb/%s", name, name);
      w.Binkd(at, '+', p, "rcvd: %s (%d, %d.00 CPS, %s@fidonet)", name, size, cps, address);
      received += size;
      ++files_received;
    }
  }
  w.Binkd(at, '+', p, "done (%s %s@fidonet, OK, S/R: %d/%d (%lld/%lld bytes))",
          incoming ? "from" : "to", address, files_sent, files_received, sent, received);
  w.Binkd(at, ' ', p, "session closed, quitting...");
  w.Binkd(at, ' ', 1000, "rc(%d)=0", p);
}

void Day(Writer& w, Random& r, const Options& o) {
  if (o.binkd) {
    const int slot = 86400 / (o.sessions > 0 ? o.sessions : 1);
    for (int i = 0; i < o.sessions; ++i) BinkdSession(w, r, i * slot + 1);
    return;
  }
  const int slot = 86400 / (o.sessions > 0 ? o.sessions : 1);
  // With fixed counts the callers are spread evenly and the transfer lines
  // shared out over the mailer sessions.
  std::vector<int> kinds(static_cast<std::size_t>(o.sessions), -1);
  std::vector<int> transfers(kinds.size(), -1);
  if (o.humans >= 0) {
    int mailer = 0;
    for (int i = 0; i < o.sessions; ++i) {
      bool human = (static_cast<long long>(i) * o.humans) / o.sessions !=
                   (static_cast<long long>(i + 1) * o.humans) / o.sessions;
      kinds[static_cast<std::size_t>(i)] = human ? 2 : 0;
      if (!human) ++mailer;
    }
    if (o.transfers >= 0 && mailer > 0) {
      int j = 0;
      for (std::size_t i = 0; i < kinds.size(); ++i)
        if (kinds[i] == 0)
          transfers[i] = o.transfers / mailer + (j++ < o.transfers % mailer ? 1 : 0);
    }
  }
  for (int i = 0; i < o.sessions; ++i) {
    int second = i * slot + 1;
    // Noise first, so that every line stays in time order.
    if (slot > 120) {
      if (r.Chance(50)) Noise(w, r, second);
      second += 60;
    }
    int kind = kinds[static_cast<std::size_t>(i)];
    if (kind < 0) {
      int roll = r.Below(100);
      kind = roll < 8 ? 1 : roll < 16 ? 2 : roll < 18 ? 3 : 0;
    }
    Session(w, r, second, slot > 120 ? slot - 60 : slot, kind,
            transfers[static_cast<std::size_t>(i)]);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string key = argv[i];
    const char* v = argv[i + 1];
    if (key == "--out") o.out = v;
    else if (key == "--bbs") o.bbs = v;
    else if (key == "--days") o.days = std::atoi(v);
    else if (key == "--size-mb") o.size_mb = std::strtoull(v, nullptr, 10);
    else if (key == "--sessions") o.sessions = std::atoi(v);
    else if (key == "--start") std::sscanf(v, "%d/%d", &o.day, &o.month);
    else if (key == "--seed") o.seed = std::strtoull(v, nullptr, 10);
    else if (key == "--transfers") o.transfers = std::atoi(v);
    else if (key == "--humans") o.humans = std::atoi(v);
    else if (key == "--binkd") o.binkd = std::atoi(v) != 0;
    else {
      std::fprintf(stderr, "gen: unknown option %s\n", argv[i]);
      return 2;
    }
  }
  if (o.out == nullptr || o.month < 1 || o.month > 12) {
    std::fprintf(stderr, "usage: gen --out LOG [--bbs MAXLOG] [--days N | --size-mb M] "
                         "[--sessions S] [--start DD/MM] [--seed N] [--transfers T] [--humans H] "
                         "[--binkd 1]\n");
    return 2;
  }
  Writer w{std::fopen(o.out, "wb"), o.bbs ? std::fopen(o.bbs, "wb") : nullptr,
           o.day, o.month};
  if (w.log == nullptr || (o.bbs && w.bbs == nullptr)) {
    std::perror("gen");
    return 1;
  }
  static char buffer[1 << 20];
  std::setvbuf(w.log, buffer, _IOFBF, sizeof buffer);
  Random r{o.seed * 0x9E3779B97F4A7C15ull + 1};
  const std::uint64_t limit = o.size_mb << 20;
  for (int d = 0; o.size_mb ? w.written < limit : d < o.days; ++d) {
    Day(w, r, o);
    if (++w.day > kMonthDays[w.month - 1]) {
      w.day = 1;
      if (++w.month > 12) w.month = 1;
    }
  }
  bool ok = std::fclose(w.log) == 0;
  if (w.bbs) ok = std::fclose(w.bbs) == 0 && ok;
  return ok ? 0 : 1;
}
