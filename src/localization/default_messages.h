#pragma once

#include <array>
#include <string_view>

namespace curfew {

struct DefaultMessage {
  std::string_view id;
  std::string_view text;
};

// The English texts every message starts with, in registration order.
inline constexpr std::array<DefaultMessage, 70> kDefaultMessages = {{
    {"MSG_NEWNAME", "Error: An item with that name already exists.  Please choose a different name"},
    {"MSG_NONAME", "Error: You must choose a name for this schedule"},
    {"MSG_DELETE", "Are you sure you want to delete the selected item?"},
    {"MSG_SURE", "Are you sure you want to perform the selected action immediately?"},
    {"MSG_TITLE", "[ProgramName] by [CompanyName]"},
    {"MSG_TITLERUNNING", "[ProgramName] is still running"},
    {"MSG_TITLEOPTIONS", "General Preferences"},
    {"MSG_TITLEWIZARD", "Schedule Configuration"},
    {"MSG_TITLELANGUAGE", "Language Selection"},
    {"MSG_TITLEABOUT", "About [ProgramName]"},
    {"MSG_MONDAY", "Monday"},
    {"MSG_TUESDAY", "Tuesday"},
    {"MSG_WEDNESDAY", "Wednesday"},
    {"MSG_THURSDAY", "Thursday"},
    {"MSG_FRIDAY", "Friday"},
    {"MSG_SATURDAY", "Saturday"},
    {"MSG_SUNDAY", "Sunday"},
    {"MSG_DOWNLOADED", "The most recent language file has been downloaded.  Please check for new languages."},
    {"MSG_NODAYS", "Error: Choose at least one day for this schedule"},
    {"MSG_BADSETTING", "These preferences could not be read and are shown unchecked:"},
    {"MSG_NOPOWEROPTIONS", "The Power Options of Windows could not be opened."},
    {"MSG_LONGNAME", "Error: This name is too long for a schedule.  Please choose a name of at most 251 characters"},
    {"MSG_UPDATEFAILED", "The language file could not be downloaded.  The languages you have stay as they were."},
    {"MSG_CANCELUPDATE", "Cancel the language update"},
    {"MSG_NEXTACTION", "[Action] at [Time]"},
    {"MSG_WARNOFF", "Off"},
    {"MSG_WARN30", "30 seconds"},
    {"MSG_WARN60", "1 minute"},
    {"MSG_WARN120", "2 minutes"},
    {"MSG_WARN300", "5 minutes"},
    {"MSG_TITLEWARNING", "[ProgramName]: an action is coming"},
    {"MSG_WARNCOUNTDOWN", "[Action] in [Left]"},
    {"MSG_WARNDETAILS", "The schedule \"[Schedule]\" runs at [Time]."},
    {"MSG_WARNQUICK", "The temporary schedule runs at [Time]."},
    {"MSG_MINUTES", "[Count] minutes"},
    {"MSG_ENABLE", "Enable"},
    {"MSG_DISABLE", "Disable"},
    {"MSG_KEEPAWAKE", "[ProgramName] keeps this computer awake"},
    {"MSG_TIPAWAKE", "kept awake"},
    {"MSG_REFUSED", "[Action]: refused by Windows"},
    {"MSG_WAKEREASON", "[ProgramName] runs a schedule"},
    {"MSG_WAKETIMERSOFF", "Wake timers are off in this computer's power options, so it will not wake for a schedule."},
    {"MSG_TITLEHISTORY", "[ProgramName] History"},
    {"MSG_HISTRAN", "Ran"},
    {"MSG_HISTPOSTPONED", "Postponed"},
    {"MSG_HISTSKIPPED", "Skipped"},
    {"MSG_HISTMISSED", "Missed"},
    {"MSG_HISTREFUSED", "Refused by Windows"},
    {"MSG_HISTCANCELLED", "Cancelled by another program"},
    {"MSG_HISTARMED", "Temporary schedule set"},
    {"MSG_HISTDISARMED", "Temporary schedule removed"},
    {"MSG_HISTPREVENTED", "Schedules were prevented"},
    {"MSG_HISTSAMEMINUTE", "Another schedule ran in the same minute"},
    {"MSG_HISTASLEEP", "The computer was asleep or its clock was set"},
    {"MSG_HISTNOTRUNNING", "[ProgramName] was not running"},
    {"MSG_HISTENDED", "[ProgramName] was ended"},
    {"MSG_HISTUNTIL", "Until [Time]"},
    {"MSG_HISTATONCE", "(at once)"},
    {"MSG_HISTCLEAR", "Clear the whole history? This cannot be undone."},
    {"MSG_HISTNOFILE", "The history file could not be written or opened."},
    {"MSG_CANCELLED", "[Action]: cancelled"},
    {"MSG_CANCELLEDWHY", "Another program stopped Windows from ending the session, so nothing was closed."},
    {"MSG_DECISIONSASIDE", "Skipped and postponed runs could not be read"},
    {"MSG_DECISIONSFILE", "They were set aside in [File]. The schedules run at their usual times."},
    {"MSG_QUICKPENDING", "A temporary schedule is waiting: [Action] at [Time]. It runs only while [ProgramName] runs."},
    {"MSG_RUNSOFF", "No run: the schedule is not enabled."},
    {"MSG_RUNSPASSED", "No run: the start has passed."},
    {"MSG_RUNSNODAYS", "No run until a day is chosen."},
    {"MSG_RUNSONCE", "Runs once: [First]"},
    {"MSG_RUNSMANY", "Runs [First], then [Then]"},
}};

}  // namespace curfew
