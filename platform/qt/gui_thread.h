#ifndef PELLORA_PLATFORM_QT_GUI_THREAD_H_
#define PELLORA_PLATFORM_QT_GUI_THREAD_H_

#include <functional>
#include <optional>
#include <utility>

namespace pellora::qt {

// Widgets live on the interface thread. The add-in may run an operation on a worker thread so
// that the window stays responsive; every call it makes on a window then comes here, runs on the
// interface thread while the worker waits, and hands back the result or the error thrown there.
// On the interface thread itself the work runs at once.
void OnGui(const std::function<void()>& work);

template <typename Work>
auto OnGuiValue(Work work) -> decltype(work()) {
  std::optional<decltype(work())> result;
  OnGui([&] { result.emplace(work()); });
  return std::move(*result);
}

// The other way round: work that reads or writes the company, asked for on the interface thread
// (a button, a choice in a list), runs on a thread of its own and this returns when it is done,
// handing back its error. Meanwhile the interface thread goes on drawing and carries the work's
// calls on windows (OnGui), windows it opens take input, and the windows already open ignore the
// operator's input. From any other thread the work runs at once.
void RunOffGui(const std::function<void()>& work);

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_GUI_THREAD_H_
