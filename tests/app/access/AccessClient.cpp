// A screen reader's client of getlink's main window, in a process of its own: it reads the
// window through Microsoft Active Accessibility alone (the accessible objects, their default
// actions and values, and the WinEvents the window raises), never through the mouse, keys or
// messages of its own, and fetches a share link with it:
//
//   getlink_access_client.exe LINK FAILING_LINK
//
// 1. finds the main window by its title and checks its controls' roles, names and states,
//    in the order Tab visits them, and the status bar's line of text inside it;
// 2. sets the link box's value to LINK, chooses 360云盘 in the service list, presses 开始获取
//    and waits for the result box's value change;
// 3. does the same with FAILING_LINK and waits for the alert;
// 4. presses the close button, hears the question's dialog start and alert, finds the window
//    behind the question unavailable (its link box takes no value, 开始获取 no press), and
//    answers 是的.
//
// It prints what a screen reader would say (the result, the status lines, the alert, the
// question's dialog and texts) as "what: text" lines in UTF-8, for the test that runs it to compare; it exits
// 0 when every step worked, 1 (after saying which step failed) when one did not.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "http/ComApartment.h"
#include "runtime/Codec.h"
#include "runtime/MessagePump.h"
#include "tests/app/access/AccessibleNode.h"
#include "tests/app/access/WinEventRecorder.h"

namespace getlink::testing {
namespace {

constexpr wchar_t kTitle[] = L"Zolmar网盘外链获取器";
constexpr int kBoundMs = 60000;  // for anything the window does: generous on a loaded machine

// What a user meets in the main window: the controls Tab visits, in its order, then the
// status strip and the caption buttons, found anywhere.
struct Expected {
  long role;
  const wchar_t* name;
  long states;  // each of these set
  long absent;  // none of these set
};
constexpr long kTabStop = STATE_SYSTEM_FOCUSABLE;
constexpr long kBlocked = STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE;
const Expected kControls[] = {
    {ROLE_SYSTEM_TEXT, L"分享链接", kTabStop | STATE_SYSTEM_FOCUSED, kBlocked | STATE_SYSTEM_READONLY},
    {ROLE_SYSTEM_COMBOBOX, L"网盘", kTabStop, kBlocked},
    {ROLE_SYSTEM_PUSHBUTTON, L"开始获取", kTabStop, kBlocked},
    {ROLE_SYSTEM_TEXT, L"获取结果", kTabStop, kBlocked | STATE_SYSTEM_READONLY},
    {ROLE_SYSTEM_STATUSBAR, L"状态", 0, kBlocked | STATE_SYSTEM_FOCUSABLE},
    {ROLE_SYSTEM_PUSHBUTTON, L"最小化", 0, kBlocked | STATE_SYSTEM_FOCUSABLE},
    {ROLE_SYSTEM_PUSHBUTTON, L"关闭", 0, kBlocked | STATE_SYSTEM_FOCUSABLE},
};

class Failure {
 public:
  explicit Failure(std::string what) : what_(std::move(what)) {}
  const std::string& What() const { return what_; }

 private:
  std::string what_;
};

std::string Utf8(const std::wstring& text) { return GbkToUtf8(FromWide(text)); }

void Say(const char* what, const std::wstring& text) {
  std::printf("%s: %s\n", what, Utf8(text).c_str());
  std::fflush(stdout);
}

void Check(bool holds, const std::string& what) {
  if (!holds) throw Failure(what);
}

AccessibleNode Found(const AccessibleNode& root, long role, const std::wstring& name) {
  std::optional<AccessibleNode> found = root.Find(role, name);
  Check(found.has_value(), "no object with role " + std::to_string(role) + " named " + Utf8(name));
  return std::move(*found);
}

// Every node under `node`, depth first: the order a screen reader's object navigation walks.
void Walk(const AccessibleNode& node, std::vector<AccessibleNode>& into) {
  for (AccessibleNode& child : node.Children()) {
    into.push_back(child.Copy());
    Walk(child, into);
  }
}

void CheckControls(const AccessibleNode& root) {
  std::vector<AccessibleNode> nodes;
  Walk(root, nodes);
  std::size_t lastTabStop = 0;  // the Tab stops come in the table's order
  for (const Expected& expected : kControls) {
    const bool tabStop = (expected.states & kTabStop) != 0;
    std::size_t at = tabStop ? lastTabStop : 0;
    while (at < nodes.size() && !(nodes[at].Role() == expected.role && nodes[at].Name() == expected.name)) ++at;
    Check(at < nodes.size(), "no object with role " + std::to_string(expected.role) + " named " + Utf8(expected.name) +
                                 (tabStop ? " after the Tab stop before it" : ""));
    const long state = nodes[at].State();
    Check((state & expected.states) == expected.states && (state & expected.absent) == 0,
          Utf8(expected.name) + " has the states " + std::to_string(state));
    if (tabStop) lastTabStop = at + 1;
  }
  Check(Found(root, ROLE_SYSTEM_COMBOBOX, L"网盘").Value() == L"百度网盘",
        "the service list does not start at its first service");
  // A screen reader looks for the status bar as the window's last object and reads it by the
  // text inside it.
  const std::vector<AccessibleNode> objects = root.Children();
  Check(!objects.empty() && objects.back().Role() == ROLE_SYSTEM_STATUSBAR, "the status bar is not the last object");
  const std::vector<AccessibleNode> lines = objects.back().Children();
  Check(lines.size() == 1 && lines[0].Role() == ROLE_SYSTEM_STATICTEXT, "the status bar holds no line of text");
}

// The name and role of the object an event is about, read when it is heard; empty and 0
// when the window no longer knows it.
std::wstring NameOf(const WinEvent& event) {
  const std::optional<AccessibleNode> node = AccessibleNode::OfEvent(event.hwnd, event.object, event.child);
  return node ? node->Name() : std::wstring();
}

long RoleOf(const WinEvent& event) {
  const std::optional<AccessibleNode> node = AccessibleNode::OfEvent(event.hwnd, event.object, event.child);
  return node ? node->Role() : 0;
}

// Chooses the item of the list through the item's default action, as for a Windows combo
// box, whose list's items are there (invisible) while the list is closed.
void ChooseService(const AccessibleNode& services, const std::wstring& title) {
  Check(SUCCEEDED(Found(services, ROLE_SYSTEM_LISTITEM, title).DoDefaultAction()),
        "the item " + Utf8(title) + " cannot be chosen");
  Check(PumpMessagesUntil([&] { return services.Value() == title; }, kBoundMs),
        "the service list did not take " + Utf8(title));
}

// Sets the link box to `link`, presses the fetch button and waits until the event `done`
// accepts is heard; checks that the status line's changes were heard meanwhile and says
// its line as the fetch left it.
WinEvent Fetch(WinEventRecorder& heard, const AccessibleNode& root, const std::wstring& link,
               const std::function<bool(const WinEvent&)>& done) {
  const AccessibleNode linkBox = Found(root, ROLE_SYSTEM_TEXT, L"分享链接");
  Check(SUCCEEDED(linkBox.SetValue(link)), "the link box takes no value");
  Check(linkBox.Value() == link, "the link box does not hold the link set");
  const std::size_t mark = heard.Heard();
  Check(SUCCEEDED(Found(root, ROLE_SYSTEM_PUSHBUTTON, L"开始获取").DoDefaultAction()),
        "the fetch button cannot be pressed");
  const std::optional<WinEvent> finished = heard.WaitFor(mark, done, kBoundMs);
  Check(finished.has_value(), "the fetch's end was not heard");
  const std::optional<WinEvent> status = heard.WaitFor(mark, [](const WinEvent& event) {
    return event.event == EVENT_OBJECT_NAMECHANGE && RoleOf(event) == ROLE_SYSTEM_STATICTEXT;
  }, 0);
  Check(status.has_value(), "the status line's change was not heard");
  Say("status", NameOf(*status));
  return *finished;
}

void FetchLinks(WinEventRecorder& heard, const AccessibleNode& root, const std::wstring& link,
                const std::wstring& failingLink) {
  ChooseService(Found(root, ROLE_SYSTEM_COMBOBOX, L"网盘"), L"360云盘");
  Fetch(heard, root, link, [](const WinEvent& event) {
    return event.event == EVENT_OBJECT_VALUECHANGE && NameOf(event) == L"获取结果";
  });
  Say("result", Found(root, ROLE_SYSTEM_TEXT, L"获取结果").Value());

  const WinEvent alert = Fetch(heard, root, failingLink, [](const WinEvent& event) {
    return event.event == EVENT_SYSTEM_ALERT;
  });
  Say("alert", NameOf(alert));
}

// Presses the close button and answers the question with 是的; returns when the window is
// gone.
void CloseWindow(WinEventRecorder& heard, HWND window, const AccessibleNode& root) {
  const std::size_t mark = heard.Heard();
  Check(SUCCEEDED(Found(root, ROLE_SYSTEM_PUSHBUTTON, L"关闭").DoDefaultAction()),
        "the close button cannot be pressed");
  const std::optional<WinEvent> start = heard.WaitFor(mark, [](const WinEvent& event) {
    return event.event == EVENT_SYSTEM_DIALOGSTART;
  }, kBoundMs);
  Check(start.has_value(), "the question's dialog start was not heard");
  const std::optional<WinEvent> alert = heard.WaitFor(mark, [&](const WinEvent& event) {
    return event.event == EVENT_SYSTEM_ALERT && event.hwnd == start->hwnd;
  }, kBoundMs);
  Check(alert.has_value(), "the question's alert was not heard");
  Say("dialog", NameOf(*alert));

  // Behind the question the window does nothing a client asks, as it takes no mouse or keys.
  Check((root.State() & STATE_SYSTEM_UNAVAILABLE) != 0, "the window behind the question is not unavailable");
  const AccessibleNode linkBox = Found(root, ROLE_SYSTEM_TEXT, L"分享链接");
  const std::wstring before = linkBox.Value();
  Check(linkBox.SetValue(L"http://127.0.0.1/behind") == E_ACCESSDENIED && linkBox.Value() == before,
        "the link box took a value behind the question");
  Check(Found(root, ROLE_SYSTEM_PUSHBUTTON, L"开始获取").DoDefaultAction() == E_ACCESSDENIED,
        "the fetch button was pressed behind the question");

  const std::optional<AccessibleNode> question = AccessibleNode::OfWindow(start->hwnd);
  Check(question.has_value(), "the question gives no accessible object");
  std::vector<AccessibleNode> parts;  // what a screen reader reads of a dialog after its name
  Walk(*question, parts);
  for (const AccessibleNode& part : parts)
    if (part.Role() == ROLE_SYSTEM_STATICTEXT) Say("question", part.Name());
  Found(*question, ROLE_SYSTEM_PUSHBUTTON, L"手贱了");  // both answers are there
  Check(SUCCEEDED(Found(*question, ROLE_SYSTEM_PUSHBUTTON, L"是的").DoDefaultAction()),
        "the question's yes button cannot be pressed");
  Check(PumpMessagesUntil([&] { return IsWindow(window) == FALSE; }, kBoundMs), "the window did not close");
}

void Run(const std::wstring& link, const std::wstring& failingLink) {
  HWND window = nullptr;
  PumpMessagesUntil([&] { return (window = FindWindowW(nullptr, kTitle)) != nullptr; }, kBoundMs);
  Check(window != nullptr, "no main window");
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  // Before the first call into the window: see WinEventRecorder.h.
  WinEventRecorder heard(process);
  Check(heard.Hooked(), "no WinEvent hook");

  const std::optional<AccessibleNode> root = AccessibleNode::OfWindow(window);
  Check(root.has_value(), "the window gives no accessible object");
  CheckControls(*root);
  FetchLinks(heard, *root, link, failingLink);
  CloseWindow(heard, window, *root);
}

}  // namespace
}  // namespace getlink::testing

int main(int argc, char** argv) {
  using namespace getlink;
  if (argc != 3) {
    std::fprintf(stderr, "usage: getlink_access_client LINK FAILING_LINK\n");
    return 2;
  }
  const ComApartment com;
  try {
    testing::Run(ToWide(argv[1]), ToWide(argv[2]));
  } catch (const testing::Failure& failure) {
    std::fprintf(stderr, "access client: %s\n", failure.What().c_str());
    return 1;
  }
  return 0;
}
