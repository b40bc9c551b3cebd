#include "cli/curfewctl_command.h"

#include "platform/iso_moment.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "platform/host/pattern_locale.h"
#include "scheduling/schedule_list.h"
#include "scheduling/schedule_paths.h"

namespace curfew::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: curfewctl list [--data DIR] [--now \"YYYY-MM-DD HH:MM:SS\"] [--date-format PATTERN]\n"
    "\n"
    "Prints the schedules of a data folder as the main window lists them, one line each:\n"
    "name, type, last run time, next run time and enabled, separated by tabs.\n"
    "\n"
    "  --data DIR            the data folder (default: the data folder beside this program)\n"
    "  --now TIME            compute next runs as of this local time (default: now)\n"
    "  --date-format PATTERN a short date picture such as M/d/yyyy or dd.MM.yyyy\n"
    "                        (default: the user's regional settings)\n"
    "  --help                show this text\n";

struct ListOptions {
  std::optional<std::string> dataFolder;
  std::optional<std::string> now;
  std::optional<std::string> dateFormat;
};

// A problem with the command line: reported on one line, exit code 2.
struct UsageError {
  std::string message;
};

// "YYYY-MM-DD HH:MM:SS" (a "T" may stand for the blank).
std::optional<LocalDateTime> ReadNow(std::string_view text) {
  std::string moment(text);
  if (moment.size() > 10 && moment[10] == ' ') moment[10] = 'T';
  return iso_moment::Read(moment);
}

bool HasDayMonthAndYear(std::string_view picture) {
  return picture.find('d') != std::string_view::npos && picture.find('M') != std::string_view::npos &&
         picture.find('y') != std::string_view::npos;
}

ListOptions ParseListOptions(const std::vector<std::string>& arguments) {
  ListOptions options;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    std::optional<std::string> inlineValue;
    if (const std::size_t equals = argument.find('='); argument.starts_with("--") && equals != std::string_view::npos) {
      inlineValue = std::string(argument.substr(equals + 1));
      argument = argument.substr(0, equals);
    }
    std::optional<std::string>* target = nullptr;
    if (argument == "--data")
      target = &options.dataFolder;
    else if (argument == "--now")
      target = &options.now;
    else if (argument == "--date-format")
      target = &options.dateFormat;
    else if (argument.starts_with("-"))
      throw UsageError{"unknown option '" + std::string(argument) + "'"};
    else
      throw UsageError{"unexpected argument '" + std::string(argument) + "'"};

    if (inlineValue) {
      *target = std::move(inlineValue);
    } else if (i + 1 < arguments.size()) {
      *target = arguments[++i];
    } else {
      throw UsageError{"option " + std::string(argument) + " needs a value"};
    }
  }
  return options;
}

// Tabs and line ends inside a hand-edited value would break the one-line-per-schedule form.
std::string OneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return text;
}

std::string WithoutTrailingSeparators(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

int List(const ListOptions& options, const CurfewctlServices& services, std::string& out) {
  LocalDateTime now = services.clock.Now();
  if (options.now) {
    const auto given = ReadNow(*options.now);
    if (!given) throw UsageError{"cannot read --now '" + *options.now + "': expected YYYY-MM-DD HH:MM:SS"};
    now = *given;
  }

  std::optional<platform::PatternLocale> chosenLocale;
  if (options.dateFormat) {
    if (!HasDayMonthAndYear(*options.dateFormat))
      throw UsageError{"--date-format '" + *options.dateFormat + "' needs day (d), month (M) and year (y) fields"};
    chosenLocale.emplace(*options.dateFormat);
  }
  const platform::Locale& locale = chosenLocale ? *chosenLocale : services.userLocale;

  std::string dataFolder = DataFolder(services.files.ProgramFolder());
  if (options.dataFolder) {
    dataFolder = WithoutTrailingSeparators(*options.dataFolder);
    if (!services.files.FolderExists(dataFolder))
      throw UsageError{"data folder '" + *options.dataFolder + "' does not exist"};
  }

  for (const ScheduleRow& row : LoadScheduleRows(services.files, dataFolder, now, locale)) {
    out += OneLine(row.name) + '\t' + OneLine(row.type) + '\t' + OneLine(row.lastRunTime) + '\t' +
           OneLine(row.nextRunTime) + '\t' + row.enabled + '\n';
  }
  return kExitOk;
}

}  // namespace

int RunCurfewctl(const std::vector<std::string>& arguments, const CurfewctlServices& services, std::string& out,
                 std::string& err) {
  if (std::find_if(arguments.begin(), arguments.end(),
                   [](const std::string& a) { return a == "--help" || a == "-h" || a == "/?"; }) != arguments.end()) {
    out += kUsage;
    return kExitOk;
  }
  try {
    if (arguments.empty()) throw UsageError{"no command given; try 'curfewctl --help'"};
    if (arguments.front() != "list") throw UsageError{"unknown command '" + arguments.front() + "'"};
    return List(ParseListOptions(arguments), services, out);
  } catch (const UsageError& error) {
    err += "curfewctl: " + error.message + '\n';
    return kExitUsage;
  }
}

}  // namespace curfew::cli
