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

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_GUI_THREAD_H_
