#include "base/report_texts.h"

#include "platform/cp866.h"

namespace brantlow {

namespace {

// A CP866 text of the tables, from its UTF-8 source form.
#define TEXT(s) std::string_view(CP866(s))

const StepTexts kRussianSteps = {
    .bbs_log = "\r\n\r\n[ ] Analyzing BBS log (Max);",
    .crash_search = "[ ] Search crash;",
    .analysing = "[ ] Analyzing statistic data;",
    .histogram = "[ ] Make gistogram;",
    .costs = "[ ] Calculate cost data;",
    .statistics = "[ ] Make statistic file;",
    .files = "[ ] Make files info;",
    .connect = "[ ] Make CONNECT/mayler`s info;",
    .sort = "[ ] Sort all data;",
    .period = "[ ] Make period file;",
};

const StepTexts kEnglishSteps = {
    .bbs_log = "\r\n\r\n[ ] Read the BBS log (Max);",
    .crash_search = "[ ] Search crash polls;",
    .analysing = "[ ] Analyse the sessions;",
    .histogram = "[ ] Make the histogram;",
    .costs = "[ ] Calculate costs;",
    .statistics = "[ ] Make the statistics file;",
    .files = "[ ] Make the files table;",
    .connect = "[ ] Make the connect/mailer table;",
    .sort = "[ ] Sort the addresses;",
    .period = "[ ] Make the period file;",
};

const PageTexts kRussianPage = {
    .lang = "ru",
    .statistics_title = "Статистика на ",
    .time_from = " время с ",
    .time_to = " по ",
    .period_title = "Статистика за период ",
    .period_days = ", дней: ",
    .line = "Линия ",
    .busy_heading = "Занятость линии по получасам",
    .mean_busy_heading = "Средняя занятость линии по получасам",
    .busy_word = " занято ",
    .busy_note =
        "Наведите указатель на столбец или коснитесь его, чтобы "
        "увидеть точное время занятости; полный столбец — 30 минут "
        "на линии.",
    .sessions_heading = "Сессии",
    .date = "Дата",
    .time = "Время",
    .crash = "С",
    .crash_title = "повторный звонок",
    .address = "Адрес",
    .kind_title =
        "i входящая, o исходящая, T терминал, p процесс, "
        "B звонок в BBS, ? без конца",
    .received = "Принято",
    .sent = "Передано",
    .password = "Пароль",
    .cost = "Стоимость",
    .kind_note =
        "D: i входящая, o исходящая, T терминал, p процесс, "
        "B звонок в BBS, ? без конца",
    .crash_note = "; С: ! повторный звонок",
    .files_heading = "Файлы",
    .files_received = "Принятые файлы",
    .files_sent = "Переданные файлы",
    .connects_heading = "Коннекты и мэйлеры",
    .connect_string = "Строка коннекта",
    .mailer = "Мэйлер",
    .addresses_heading = "Адреса",
    .total_time = "Общее время",
    .total = "Всего",
    .sessions_word = " сессий",
    .costs_heading = "Стоимость",
    .cost_in = "Стоимость вход.",
    .cost_out = "Стоимость исход.",
    .time_in = "Время вход.",
    .time_out = "Время исход.",
    .days_heading = "Дни",
    .sessions = "Сессий",
    .incoming = "Вход.",
    .outgoing = "Исход.",
    .failures = "Сбои",
    .silent_heading = "Линки без сессий за период",
    .none = "нет",
    .log_read = "Лог: ",
    .bytes = " байт, прочитано строк: ",
    .lines_read = ", из них в окне: ",
    .lines_inside = ". ",
    .commands = "Команды: ",
    .made_by = "Сделано brantlow, статистика лога T-Mail.",
    .links =
        {
            .heading = "Линки",
            .columns = {{"Адрес", "Адрес"},
                        {"Звонки", "Звонки"},
                        {"Связь", "Связь"},
                        {"NO CARR.", "NO CARRIER"},
                        {"BUSY", "BUSY"},
                        {"NO ANS.", "NO ANSWER"},
                        {"NO TONE", "NO DIAL TONE"},
                        {"Рукоп.", "Рукопожатие не удалось"},
                        {"Сеть", "Сеть (binkd)"},
                        {"Вход.", "Входящие"},
                        {"Сессий", "Сессий"},
                        {"Последняя", "Последняя сессия"},
                        {"Пауза", "Дольше всего без сессии"},
                        {"Часы 0–23", "Часы 0–23"}},
            .never = "никогда",
            .silent = " (молчит)",
        },
    .station =
        {
            .title = "Статистика станции ",
            .lines_count = ", линий: ",
            .lines_heading = "Линии",
            .line = "Линия",
            .log = "Лог",
            .error = "Ошибка",
            .days_heading = "Дни станции",
            .addresses_heading = "Адреса всех линий",
            .files_received = "Файлы принято",
            .files_sent = "Файлы передано",
            .station_busy = "Станция: занятость по получасам",
            .day_mean = " (в среднем за день)",
            .mean_over = ", в среднем по линиям: ",
            .lines_after = "",
            .line_day_mean = ", в среднем за день",
        },
};

const PageTexts kEnglishPage = {
    .lang = "en",
    .statistics_title = "Statistics for ",
    .time_from = " time from ",
    .time_to = " to ",
    .period_title = "Statistics for the period ",
    .period_days = ", days: ",
    .line = "Line ",
    .busy_heading = "Busy time per half hour",
    .mean_busy_heading = "Mean busy time per half hour",
    .busy_word = " busy ",
    .busy_note =
        "Hover or tap a bar for its exact busy time; a full bar is "
        "30 minutes on line.",
    .sessions_heading = "Sessions",
    .date = "Date",
    .time = "Time",
    .crash = "C",
    .crash_title = "crash-poll repeat",
    .address = "Address",
    .kind_title =
        "i incoming, o outgoing, T terminal, p process, "
        "B BBS caller, ? no end",
    .received = "Received",
    .sent = "Sent",
    .password = "Password",
    .cost = "Cost",
    .kind_note =
        "D: i incoming, o outgoing, T terminal, p process, "
        "B BBS caller, ? no end",
    .crash_note = "; C: ! a crash-poll repeat",
    .files_heading = "Files",
    .files_received = "Files received",
    .files_sent = "Files sent",
    .connects_heading = "Connects and mailers",
    .connect_string = "Connect string",
    .mailer = "Mailer",
    .addresses_heading = "Addresses",
    .total_time = "Total time",
    .total = "Total",
    .sessions_word = " sessions",
    .costs_heading = "Costs",
    .cost_in = "Cost in",
    .cost_out = "Cost out",
    .time_in = "Time in",
    .time_out = "Time out",
    .days_heading = "Days",
    .sessions = "Sessions",
    .incoming = "In",
    .outgoing = "Out",
    .failures = "Failures",
    .silent_heading = "Links without sessions in the period",
    .none = "none",
    .log_read = "Log: ",
    .bytes = " bytes, ",
    .lines_read = " lines read, ",
    .lines_inside = " inside the window. ",
    .commands = "Commands: ",
    .made_by = "Made by brantlow, T-Mail log statistics.",
    .links =
        {
            .heading = "Links",
            .columns = {{"Address", "Address"},
                        {"Calls", "Calls"},
                        {"Conn.", "Connected"},
                        {"NO CARR.", "NO CARRIER"},
                        {"BUSY", "BUSY"},
                        {"NO ANS.", "NO ANSWER"},
                        {"NO TONE", "NO DIAL TONE"},
                        {"Handsh.", "Handshake failed"},
                        {"Net", "Network (binkd)"},
                        {"In", "Incoming"},
                        {"Sessions", "Sessions"},
                        {"Last", "Last session"},
                        {"Gap", "Longest without a session"},
                        {"Hours 0–23", "Hours 0–23"}},
            .never = "never",
            .silent = " (silent)",
        },
    .station =
        {
            .title = "Station statistics ",
            .lines_count = ", lines: ",
            .lines_heading = "Lines",
            .line = "Line",
            .log = "Log",
            .error = "Error",
            .days_heading = "Days of the station",
            .addresses_heading = "Addresses of all lines",
            .files_received = "Files received",
            .files_sent = "Files sent",
            .station_busy = "Station: busy time per half hour",
            .day_mean = " (a day's mean)",
            .mean_over = ", the mean over ",
            .lines_after = " line(s)",
            .line_day_mean = ", mean per day",
        },
};

// Built on first use: the CP866 texts are converted at compile time but
// stored through their literals' functions.
LinkReportTexts RussianLinks() {
  return {
      .title = TEXT("Линки"),
      .for_period = TEXT(" за период "),
      .call_headings =
          TEXT("║       Адрес      │Звонки│ Связь│NO CAR│  BUSY│NO ANS│"
               "NO TON│Рукоп.│  Сеть│ Вход.│Сессий║\n"),
      .grid_headings =
          TEXT("║       Адрес      │0     6     12    18    │Посл.сессия│"
               "  Пауза║\n"),
      .never = TEXT("никогда"),
      .silent = TEXT("Молчащие линки:"),
      .last_session = TEXT(" последняя сессия: "),
  };
}

StationReportTexts RussianStation() {
  return {
      .title = TEXT("Статистика станции "),
      .lines_count = TEXT(", линий: "),
      .on = TEXT("на "),
      .for_period = TEXT("за период "),
      .time_from = TEXT(" время с "),
      .line_head = TEXT("  Линия"),
      .date_head = TEXT("  Дата "),
      .total = TEXT(" Всего "),
      .columns = TEXT("│ Сессий│  Вход.│ Исход.│  Сбои│       Принято│"
                      "      Передано│       Время"),
      .days_heading = TEXT("\n      Дни станции\n"),
      .line = TEXT("Линия "),
      .no_report = TEXT(" без отчёта: "),
      .no_chart = TEXT(", без гистограммы (-g)\n"),
      .station_mean = TEXT("Станция: в среднем по линиям ("),
      .addresses_heading = TEXT("\n      Адреса всех линий\n"),
  };
}

ReportTexts MakeRussian() {
  return {
      .statistics_title = TEXT("Статистика на"),
      .connect_title = TEXT("Коннекты и мэйлеры на"),
      .files_title = TEXT("Файлы на"),
      .time_from = TEXT("  время с "),
      .time_to = TEXT(" по "),
      .period_title = TEXT("Статистика за период "),
      .period_days = TEXT(", дней: "),
      .list_time = TEXT("      Время      "),
      .list_crash = TEXT("С"),
      .list_user = TEXT("   Пользователь   "),
      .list_address = TEXT("      Адрес       "),
      .list_received = TEXT(" Принято  "),
      .list_sent = TEXT(" Передано "),
      .list_password = TEXT("Пароль"),
      .summary_address = TEXT("       Адрес      "),
      .summary_user = TEXT("   Пользователь   "),
      .summary_received = TEXT("  Принято "),
      .summary_sent = TEXT(" Передано "),
      .summary_time = TEXT(" Общее время "),
      .total_before = TEXT("Всего: "),
      .total_after = TEXT(" cессий "),
      .cost_headings =
          TEXT("║       Адрес      │Стоимость│Стоимость│ Время  │ Время  ║\n"
               "║                  │ вход.   │ исход.  │ вход.  │ исход. ║\n"),
      .connect_name = TEXT("   Время/Адрес    "),
      .connect_text = TEXT("            Строка коннекта/Мэйлер              "),
      .files_address = TEXT("       Адрес      "),
      .files_received = TEXT("     Принятые файлы      "),
      .files_sent = TEXT("    Переданные файлы     "),
      .period_day_heading =
          TEXT("║  Дата │ Сессий│  Вход.│ Исход.│  Сбои│       Принято│      "
               "Передано│       Время"),
      .period_address_heading =
          TEXT("║       Адрес      │ Сессий│  Вход.│ Исход.│       Принято│   "
               "   Передано│   Файлы│   Файлы│     CPS│       Время"),
      .period_address_heading_2 =
          TEXT("║                  │       │       │       │              │   "
               "           │ принято│передано│        │            "),
      .period_cost_heading = TEXT("│  Стоимость"),
      .period_day_total = TEXT(" Всего"),
      .period_address_total = TEXT("Всего"),
      .silent_links = TEXT("Линки без сессий за период:"),
      .silent_none = TEXT(" нет"),
      .steps = kRussianSteps,
      .page = kRussianPage,
      .links = RussianLinks(),
      .station = RussianStation(),
  };
}

LinkReportTexts EnglishLinks() {
  return {
      .title = "Links",
      .for_period = " for the period ",
      .call_headings =
          TEXT("║     Address      │ Calls│ Conn.│NO CAR│  BUSY│NO ANS│"
               "NO TON│Hndshk│   Net│    In│ Sess.║\n"),
      .grid_headings =
          TEXT("║     Address      │0     6     12    18    │Last sess. │"
               "    Gap║\n"),
      .never = "never",
      .silent = "Silent links:",
      .last_session = " last session: ",
  };
}

StationReportTexts EnglishStation() {
  return {
      .title = "Station statistics ",
      .lines_count = ", lines: ",
      .on = "for ",
      .for_period = "for the period ",
      .time_from = " time from ",
      .line_head = "   Line",
      .date_head = "  Date ",
      .total = " Total ",
      .columns = TEXT("│  Sess.│     In│    Out│ Fails│      Received│"
                      "          Sent│        Time"),
      .days_heading = "\n      Station days\n",
      .line = "Line ",
      .no_report = " made no report: ",
      .no_chart = ", no histogram (-g)\n",
      .station_mean = "Station: the mean over the lines (",
      .addresses_heading = "\n      Addresses of all lines\n",
  };
}

ReportTexts MakeEnglish() {
  return {
      .statistics_title = "Statistics for",
      .connect_title = "Connects and mailers for",
      .files_title = "Files received and sent for",
      .time_from = "  time from ",
      .time_to = " to ",
      .period_title = "Statistics for the period ",
      .period_days = ", days: ",
      .list_time = "      Time       ",
      .list_crash = "C",
      .list_user = "       User       ",
      .list_address = "     Address      ",
      .list_received = " Received ",
      .list_sent = "   Sent   ",
      .list_password = "Passwd",
      .summary_address = "     Address      ",
      .summary_user = "       User       ",
      .summary_received = " Received ",
      .summary_sent = "   Sent   ",
      .summary_time = "  Total time ",
      .total_before = "Total ",
      .total_after = " sessions",
      .cost_headings =
          TEXT("║     Address      │  Cost   │  Cost   │  Time  │  Time  ║\n"
               "║                  │   in    │   out   │   in   │  out   ║\n"),
      .connect_name = "   Time/Address   ",
      .connect_text = "              Connect string/Mailer             ",
      .files_address = "     Address      ",
      .files_received = "     Files received      ",
      .files_sent = "       Files sent        ",
      .period_day_heading =
          TEXT("║  Date │  Sess.│     In│    Out│ Fails│      Received│      "
               "    Sent│        Time"),
      .period_address_heading =
          TEXT("║     Address      │  Sess.│     In│    Out│      Received│   "
               "       Sent│   Files│   Files│     CPS│        Time"),
      .period_address_heading_2 =
          TEXT("║                  │       │       │       │              │   "
               "           │received│    sent│        │            "),
      .period_cost_heading = TEXT("│       Cost"),
      .period_day_total = " Total",
      .period_address_total = "Total",
      .silent_links = "Links without sessions in the period:",
      .silent_none = " none",
      .steps = kEnglishSteps,
      .page = kEnglishPage,
      .links = EnglishLinks(),
      .station = EnglishStation(),
  };
}

#undef TEXT

}  // namespace

const ReportTexts& TextsFor(ReportLanguage language) {
  static const ReportTexts kRussian = MakeRussian();
  static const ReportTexts kEnglish = MakeEnglish();
  return language == ReportLanguage::kEnglish ? kEnglish : kRussian;
}

std::string TitleDates(Date first, std::optional<Date> last, Date today) {
  std::string dates = TitleDateText(first, today);
  if (last) dates += '-' + TitleDateText(*last, today);
  return dates;
}

}  // namespace brantlow
