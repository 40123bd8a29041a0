#ifndef PELLORA_PLATFORM_QT_COMPANY_BUSY_NOTICE_H_
#define PELLORA_PLATFORM_QT_COMPANY_BUSY_NOTICE_H_

namespace pellora::qt {

// From now on, while work off the interface thread waits for a company another workstation
// holds, a window says so and for how long: the operator may wait, or press "Desistir", which
// ends the wait at once with the error the work reports when the wait runs out. The window goes
// when the wait ends. Installed once, on the interface thread, before any work waits.
void WatchCompanyLocks();

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_COMPANY_BUSY_NOTICE_H_
