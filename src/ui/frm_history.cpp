#include "ui/frm_history.h"

#include <algorithm>
#include <numeric>

#include "platform/date_arithmetic.h"
#include "ui/app_context.h"

namespace curfew {
namespace {

constexpr int kMargin = 120;
constexpr int kButtonHeight = 495;
constexpr int kButtonGap = 120;
constexpr int kCaptionMargin = 300;  // the button's edges and rounded corners

enum Column : int { kTime = 1, kEvent, kAction, kSchedule, kDue, kDetails };

const char* EventMessage(HistoryEvent event) {
  switch (event) {
    case HistoryEvent::Ran: return "MSG_HISTRAN";
    case HistoryEvent::Postponed: return "MSG_HISTPOSTPONED";
    case HistoryEvent::Skipped: return "MSG_HISTSKIPPED";
    case HistoryEvent::Missed: return "MSG_HISTMISSED";
    case HistoryEvent::Refused: return "MSG_HISTREFUSED";
    case HistoryEvent::Cancelled: return "MSG_HISTCANCELLED";
    case HistoryEvent::Armed: return "MSG_HISTARMED";
    case HistoryEvent::Disarmed: return "MSG_HISTDISARMED";
  }
  return "MSG_HISTRAN";
}

// The details the program writes itself, by the message that tells them.
const char* DetailsMessage(std::string_view details) {
  if (details == "prevented") return "MSG_HISTPREVENTED";
  if (details == "same minute") return "MSG_HISTSAMEMINUTE";
  if (details == "asleep") return "MSG_HISTASLEEP";
  if (details == "not running") return "MSG_HISTNOTRUNNING";
  if (details == "program ended") return "MSG_HISTENDED";
  return nullptr;
}

// The seconds of a moment on the UTC clock: events in order across a change of summer time.
long long UtcSeconds(const ZonedMoment& moment) {
  const auto days = std::chrono::sys_days(moment.local.date).time_since_epoch().count();
  return days * 86400LL + moment.local.time.hour * 3600LL + moment.local.time.minute * 60LL + moment.local.time.second -
         moment.utcOffsetMinutes * 60LL;
}

}  // namespace

frmHistory::frmHistory(AppContext& context) : ui::Form(context.Services().runtime, "frmHistory"), context_(context) {
  SetClientSize(13800, 5400);
  SetMinimumClientSize(6000, 2400);
  SetCentred(true);
  // Room for "Vorübergehender Zeitplan gestellt" and for a date and time in every column.
  const std::pair<const char*, int> columns[] = {{"Time", 2550},     {"Event", 2550}, {"Action", 1250},
                                                 {"Schedule", 2700}, {"Due", 2400},   {"Details", 3000}};
  for (const auto& [title, width] : columns) lstHistory.AddColumnHeader(title, width);
  ui::Font bold;
  bold.bold = true;
  const std::pair<ui::CommandButton*, const char*> buttons[] = {
      {&cmdClear, "Clear"}, {&cmdOpenFile, "Open File"}, {&cmdClose, "Close"}};
  for (const auto& [button, caption] : buttons) {
    button->SetCaption(caption);
    button->SetFont(bold);
  }
  // Enter and Esc close it, as the only answer a list of facts needs.
  cmdClose.SetDefault(true);
  cmdClose.SetCancel(true);
  lstHistory.OnColumnClick = [this](int column) { SortBy(column); };
  cmdClear.OnClick = [this] { cmdClear_Click(); };
  cmdOpenFile.OnClick = [this] { cmdOpenFile_Click(); };
  cmdClose.OnClick = [this] { Unload(); };
}

frmHistory::~frmHistory() { context_.EventHistory().onRecorded = nullptr; }

void frmHistory::Form_Load() {
  History& history = context_.EventHistory();
  records_ = history.Read();
  // An event recorded while the window is open shows at once.
  history.onRecorded = [this](const HistoryRecord& record) {
    records_.push_back(record);
    ShowRecords();
  };
  // The rows in the language shown, and the buttons as wide as their captions need there.
  context_.ShowInLanguage(*this, *this);
  context_.ApplyLook(*this);
}

void frmHistory::Form_Unload(bool&) { context_.EventHistory().onRecorded = nullptr; }

void frmHistory::ShowCatalogueTexts() {
  SetCaption(context_.Languages().getMessages("MSG_TITLEHISTORY"));
  if (Loaded()) ShowRecords();
  ArrangeControls();
}

// The list fills the window above a row of buttons: Clear and Open File on the left, Close on
// the right, each as wide as its caption needs in the language shown.
void frmHistory::ArrangeControls() {
  if (GetWindowState() == ui::WindowState::Minimized) return;
  const auto widthOf = [](const ui::CommandButton& button, int design) {
    return std::max(design, button.CaptionWidthTwips() + kCaptionMargin);
  };
  const int clear = widthOf(cmdClear, 1500);
  const int open = widthOf(cmdOpenFile, 1800);
  const int close = widthOf(cmdClose, 1500);
  const int buttonsWidth = kMargin + clear + kButtonGap + open + kButtonGap + close + kMargin;
  SetMinimumClientSize(std::max(6000, buttonsWidth + kButtonGap), 2400);
  const int width = std::max(ScaleWidth(), buttonsWidth);
  const int height = std::max(ScaleHeight(), 2400);
  const int buttonsTop = height - kMargin - kButtonHeight;
  lstHistory.Move({kMargin, kMargin, width - 2 * kMargin, buttonsTop - 2 * kMargin});
  cmdClear.Move({kMargin, buttonsTop, clear, kButtonHeight});
  cmdOpenFile.Move({kMargin + clear + kButtonGap, buttonsTop, open, kButtonHeight});
  cmdClose.Move({width - kMargin - close, buttonsTop, close, kButtonHeight});
}

std::vector<std::string> frmHistory::ColumnsOf(const HistoryRecord& record) const {
  const clsLanguages& languages = context_.Languages();
  const platform::Locale& locale = context_.Services().locale;
  std::string details = record.details;
  if (const char* message = DetailsMessage(details)) {
    details = languages.getMessages(message);
  } else if (record.event == HistoryEvent::Postponed) {
    if (const auto until = ReadZonedMoment(details))
      details =
          ReplacePlaceholder(languages.getMessages("MSG_HISTUNTIL"), "[Time]", locale.FormatGeneralDate(until->local));
  }
  return {locale.FormatGeneralDate(record.at.local),
          languages.getMessages(EventMessage(record.event)),
          record.action,
          record.schedule.empty() ? languages.getMessages("MSG_HISTATONCE") : record.schedule,
          record.due ? locale.FormatGeneralDate(record.due->local) : std::string(),
          details};
}

// Every row anew in the order chosen; rows that tie keep the order of the file.
void frmHistory::ShowRecords() {
  std::vector<std::size_t> order(records_.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::vector<std::vector<std::string>> texts;
  texts.reserve(records_.size());
  for (const HistoryRecord& record : records_) texts.push_back(ColumnsOf(record));
  // Text columns go by their upper-case form, worked out once for the sort.
  const bool byText = sortColumn_ != kTime && sortColumn_ != kDue;
  std::vector<std::string> keys;
  if (byText) {
    const platform::Locale& locale = context_.Services().locale;
    keys.reserve(texts.size());
    for (const auto& columns : texts)
      keys.push_back(locale.ToUpper(columns[static_cast<std::size_t>(sortColumn_ - 1)]));
  }
  const auto moment = [this](const HistoryRecord& record) -> std::optional<long long> {
    if (sortColumn_ == kTime) return UtcSeconds(record.at);
    return record.due ? std::optional(UtcSeconds(*record.due)) : std::nullopt;
  };
  const auto compare = [&](std::size_t a, std::size_t b) -> int {
    if (byText) return keys[a].compare(keys[b]);
    const auto first = moment(records_[a]);
    const auto second = moment(records_[b]);
    if (!first || !second) return first ? -1 : second ? 1 : 0;  // rows without a moment apart
    return *first < *second ? -1 : *first > *second ? 1 : 0;
  };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const int result = compare(a, b);
    if (result != 0) return ascending_ ? result < 0 : result > 0;
    return ascending_ ? a < b : a > b;  // newest first also among events of one second
  });
  const ui::ListView::Batch batch(lstHistory);
  lstHistory.ClearListItems();
  for (const std::size_t index : order) {
    const std::vector<std::string>& columns = texts[index];
    const int row = lstHistory.AddListItem(columns[0]);
    for (std::size_t column = 1; column < columns.size(); ++column)
      lstHistory.SetSubItem(row, static_cast<int>(column), columns[column]);
  }
  lstHistory.SetSortArrow(sortColumn_, ascending_ ? ui::ListView::SortArrow::Up : ui::ListView::SortArrow::Down);
}

// A click on a column orders the rows by it; a second click turns the order round. The times
// begin newest first.
void frmHistory::SortBy(int column) {
  ascending_ = column == sortColumn_ ? !ascending_ : column != kTime && column != kDue;
  sortColumn_ = column;
  ShowRecords();
}

void frmHistory::cmdClear_Click() {
  const auto answer =
      Runtime().Messages().Show(context_.Languages().getMessages("MSG_HISTCLEAR"), platform::MessageButtons::YesNo,
                                platform::MessageIcon::Question, Caption(), platform::DefaultButton::Second);
  if (answer != platform::MessageAnswer::Yes) return;
  if (!context_.EventHistory().Clear()) {
    Runtime().Messages().Show(context_.Languages().getMessages("MSG_HISTNOFILE"), platform::MessageButtons::Ok,
                              platform::MessageIcon::Exclamation, Caption());
    return;
  }
  records_.clear();
  ShowRecords();
}

void frmHistory::cmdOpenFile_Click() {
  const std::string& path = context_.EventHistory().Path();
  // A history with no event yet has its header at least, so that there is a file to open.
  if (!context_.Services().files.FindFirstMatch(path, 0)) context_.EventHistory().Clear();
  constexpr int kShowNormal = 1;
  constexpr int kShellSucceeded = 32;
  if (context_.Services().process.OpenDocument(path, Handle(), kShowNormal) <= kShellSucceeded)
    Runtime().Messages().Show(context_.Languages().getMessages("MSG_HISTNOFILE"), platform::MessageButtons::Ok,
                              platform::MessageIcon::Exclamation, Caption());
}

}  // namespace curfew
