#include "driver/help_screen.h"

#include <string>

#include "driver/options.h"
#include "platform/console.h"
#include "platform/cp866.h"

namespace brantlow {

std::string_view ProgramName(const char* started_as) {
  const std::string_view path = started_as != nullptr ? started_as : "";
  const std::size_t slash = path.find_last_of("/\\");
  std::string_view name =
      slash == std::string_view::npos ? path : path.substr(slash + 1);
  // "brantlow.exe" is typed as "brantlow" too.
  const std::size_t stem = name.size() > 4 ? name.size() - 4 : 0;
  std::string_view extension = name.substr(stem);
  const bool exe = stem > 0 && extension.size() == 4 && extension[0] == '.' &&
                   (extension[1] | 0x20) == 'e' &&
                   (extension[2] | 0x20) == 'x' && (extension[3] | 0x20) == 'e';
  if (exe) name.remove_suffix(4);
  return name.empty() ? "brantlow" : name;
}

void ShowHelp(bool pause_off, std::string_view program) {
  Print("\nSome help:\n");
  // The name as given: bytes of the host's own encoding, not CP866.
  PrintAsGiven(program);
  Print(
      " Infile [/d=Date] [/t=Time] [/p=Days] [/c=Period] [command] "
      "[--option]\n\n");
  const char* const kFirstHalf[] = {
      CP866(" Где параметры Date & Time могут быть:\n"),
      "    Date                           Time\n",
      "/d=auto                        /t=auto\n",
      "/d=01.03                       /t=23:00-08:00\n",
      "/d=auto                        /t=23:00-08:00\n",
      "/d=01.03                       /t=auto\n\n",
      CP866(
          "Вы можете использовать брантлов без параметров /d и /t. \n"
          "В этом случае будет анализироваться текущий день с 00 по 23:59.\n"),
      CP866("Пропуск только параметра /t равносилен его значению \"auto\".\n"),
      CP866(
          "Пропуск только параметра /d равносилен указанию текущего дня.\n\n"),
      "Press any Key for more info...\n",
  };
  for (const char* text : kFirstHalf) Print(text);
  if (!pause_off) WaitForKey();
  const char* const kSecondHalf[] = {
      CP866("\nPeriod - минимальное разрешенное время между сессииями с одним "
            "адресом. \n(в секундах)"),
      "(/c=120)\n\n",
      CP866("Допустимые команды:\n\n"),
      // The letter before "уникальным" is the Latin c.
      CP866("+F     - вырезает из лога в отдельный файл c уникальным именем "
            "всю информацию \n         на указанный период.\n"),
      CP866("+f(-s) - вырезает информацию, но не делает файлы статистики.\n"),
      CP866("+l     - добавляет в статистику информацию о строках коннектов и "
            "типах мейлеров\n         каждой сессии.\n"),
      CP866("+l(-s) - делает отдельный файл со строками коннектов и типами "
            "мейлеров в \n         добавление к статистике.\n"),
      CP866("+a     - добавляет в статистику информацию о принятых и "
            "переданных файлах.\n"),
      CP866("+a(-s) - делает отдельный файл с информацией о принятых и "
            "переданых файлах в\n         добавление к статистике.\n"),
      CP866("+b     - создает дополнительный файл со статистикой только "
            "пользователей ББС.\n"),
      CP866("+b(-s) - в общей статистике пользователи ББС заменяются "
            "ключевыми словами и \n         информация о них остается только "
            "в отдельном файле.\n"),
      CP866("-g     - не включает в статистику гистограмму (график "
            "занятости).\n"),
      CP866("line3  - Режим \"многолинейки\". Файл статистики для каждой линии "
            "имеет \n         уникальное имя. В данном случае для линии 3\n"),
  };
  for (const char* text : kSecondHalf) Print(text);
  Print(
      CP866("/p=01.03-07.03 - отчет за период дней вместо /d= и /t=; также "
            "/p=week\n         (семь дней по вчерашний) и /p=month (прошлый "
            "месяц).\n\nКлючи вида --option:\n"));
  Print(LongOptionLines());
}

}  // namespace brantlow
