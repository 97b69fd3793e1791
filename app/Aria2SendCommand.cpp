#include "app/Aria2SendCommand.h"

#include <any>

#include "runtime/Threads.h"

namespace getlink {

bool StartAria2SendCommand(Aria2SendRequest request, ControlAddress reporter) {
  return StartThread([request = std::move(request), reporter] {
    Aria2Outcome outcome = SendToAria2(request.settings, request.address, request.fileName);
    SendControlEvent(reporter, {ToEventCode(Aria2SendEvent::Finished), std::any(std::move(outcome))});
  });
}

}  // namespace getlink
