#include "ui/frm_warning.h"

#include <algorithm>
#include <cstdio>

#include "platform/date_arithmetic.h"
#include "platform/utf8.h"
#include "ui/app_context.h"

namespace curfew {
namespace {

// A schedule name may be 251 characters long; the sentence shows its first ones.
constexpr std::size_t kShownNameCharacters = 40;

std::string Shortened(const std::string& name) {
  const std::string_view shown = utf8::FirstCharacters(name, kShownNameCharacters);
  return shown.size() < name.size() ? std::string(shown) + "\u2026" : name;
}

}  // namespace

std::string WarningDetails(AppContext& context, const WarningFacts& facts) {
  const auto& services = context.Services();
  std::string when = services.locale.FormatShortTime(facts.at.time);
  if (facts.at.date != services.clock.Now().date) when = services.locale.FormatShortDate(facts.at.date) + " " + when;
  const std::string text = context.Languages().getMessages(facts.schedule ? "MSG_WARNDETAILS" : "MSG_WARNQUICK");
  // The name last: whatever it holds stays as it is.
  return ReplacePlaceholder(ReplacePlaceholder(text, "[Time]", when), "[Schedule]",
                            Shortened(facts.schedule.value_or("")));
}

frmWarning::frmWarning(AppContext& context, WarningFacts facts)
    : ui::Form(context.Services().runtime, "frmWarning"), context_(context), facts_(std::move(facts)) {
  SetClientSize(8295, 1935);
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  SetCentred(true);
  SetClosesOnEscape(true);
  SetActivatesOnShow(false);
  ui::Font heading;
  heading.bold = true;
  heading.points = 12;
  lblCountdown.SetFont(heading);
  lblCountdown.Move({120, 120, 8055, 375});
  lblDetails.Move({120, 555, 8055, 735});  // three lines: a long schedule name wraps
  cmdRunNow.SetCaption("Run now");
  cmdRunNow.Move({120, 1380, 2295, 435});
  cmdPostpone.SetCaption("Postpone");
  cmdPostpone.Move({2535, 1380, 1575, 435});
  cboPostpone.Move({4170, 1425, 1455, 315});
  cmdSkip.SetCaption("Skip this run");
  cmdSkip.Move({5745, 1380, 2430, 435});
  // No default button: a stray Enter typed elsewhere must never run or change the action.
  cmdRunNow.OnClick = [this] {
    if (onRunNow) onRunNow();
  };
  cmdPostpone.OnClick = [this] {
    const int choice = std::max(0, cboPostpone.ListIndex());
    if (onPostpone) onPostpone(kPostponeMinutes[choice]);
  };
  cmdSkip.OnClick = [this] {
    if (onSkip) onSkip();
  };
  tmrCountdown.OnTimer = [this] { lblCountdown.SetCaption(CountdownText()); };
}

void frmWarning::Form_Load() {
  context_.ShowInLanguage(*this, *this);
  SetTopmost(true);
}

std::string frmWarning::CountdownText() const {
  const long long left =
      std::max(0LL, date_arithmetic::SecondsBetween(context_.Services().clock.Now(), facts_.countsTo));
  char clock[32];
  std::snprintf(clock, sizeof clock, "%lld:%02lld", left / 60, left % 60);
  return ReplacePlaceholder(
      ReplacePlaceholder(context_.Languages().getMessages("MSG_WARNCOUNTDOWN"), "[Action]", facts_.action), "[Left]",
      clock);
}

void frmWarning::ShowCatalogueTexts() {
  const clsLanguages& languages = context_.Languages();
  SetCaption(languages.getMessages("MSG_TITLEWARNING"));
  lblCountdown.SetCaption(CountdownText());
  lblDetails.SetCaption(WarningDetails(context_, facts_));
  const int chosen = std::max(0, cboPostpone.ListIndex());
  cboPostpone.Clear();
  for (const int minutes : kPostponeMinutes) {
    cboPostpone.AddItem(ReplacePlaceholder(languages.getMessages("MSG_MINUTES"), "[Count]", std::to_string(minutes)));
  }
  cboPostpone.SetListIndex(chosen);
  context_.ApplyLook(*this);
}

}  // namespace curfew
