#include "ui/framework/window/EventMailbox.h"

namespace getlink {

EventMailbox& EventMailbox::Instance() {
  static EventMailbox mailbox;
  return mailbox;
}

void EventMailbox::OpenWindow(HWND hwnd) {
  const std::lock_guard<std::mutex> lock(mutex_);
  windows_.insert(hwnd);
}

void EventMailbox::CloseWindow(HWND hwnd) {
  const std::lock_guard<std::mutex> lock(mutex_);
  windows_.erase(hwnd);
  // Sent letters stay: their senders are waiting and take them out themselves.
  for (auto it = letters_.begin(); it != letters_.end();)
    it = it->second.host == hwnd && !it->second.sent ? letters_.erase(it) : std::next(it);
}

LPARAM EventMailbox::Enter(const ControlAddress& address, const ControlEvent& event, bool sent) {
  if (windows_.count(address.host) == 0 || address.handle == 0) return 0;
  do {
    ++lastTicket_;
  } while (lastTicket_ == 0 || letters_.count(lastTicket_) != 0);
  letters_.emplace(lastTicket_, Letter{address.host, {address.handle, address.serial, event}, sent});
  ++lettersSoFar_;
  return lastTicket_;
}

int EventMailbox::Send(const ControlAddress& address, const ControlEvent& event) {
  LPARAM ticket = 0;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    ticket = Enter(address, event, true);
  }
  if (ticket == 0) return kNotHandled;
  // Returns when the window's thread has handled it, or at once when the window is gone.
  SendMessageW(address.host, ToMessage(FrameworkMessage::WmControlEvent), static_cast<WPARAM>(address.handle), ticket);
  const std::lock_guard<std::mutex> lock(mutex_);
  const auto letter = letters_.find(ticket);
  const int answer = letter->second.answer;
  letters_.erase(letter);
  return answer;
}

bool EventMailbox::Post(const ControlAddress& address, const ControlEvent& event) {
  const std::lock_guard<std::mutex> lock(mutex_);
  const LPARAM ticket = Enter(address, event, false);
  if (ticket == 0) return false;
  // Posted under the lock, so that the window cannot close between entering and posting.
  if (PostMessageW(address.host, ToMessage(FrameworkMessage::WmControlEvent), static_cast<WPARAM>(address.handle),
                   ticket))
    return true;
  letters_.erase(ticket);
  return false;
}

std::optional<EventMailbox::Delivery> EventMailbox::Take(HWND hwnd, LPARAM ticket) {
  const std::lock_guard<std::mutex> lock(mutex_);
  const auto letter = letters_.find(ticket);
  if (letter == letters_.end() || letter->second.host != hwnd || letter->second.taken) return std::nullopt;
  const Delivery delivery = letter->second.delivery;
  if (letter->second.sent)
    letter->second.taken = true;
  else
    letters_.erase(letter);
  return delivery;
}

void EventMailbox::Answer(LPARAM ticket, int result) {
  const std::lock_guard<std::mutex> lock(mutex_);
  const auto letter = letters_.find(ticket);
  if (letter != letters_.end() && letter->second.sent) letter->second.answer = result;
}

std::size_t EventMailbox::LettersSoFar() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return lettersSoFar_;
}

std::size_t EventMailbox::PostedCount() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  std::size_t count = 0;
  for (const auto& [ticket, letter] : letters_) count += letter.sent ? 0 : 1;
  return count;
}

}  // namespace getlink
