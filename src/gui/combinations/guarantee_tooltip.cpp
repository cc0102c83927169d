#include "combinations/guarantee_tooltip.h"

#include <system_error>
#include <utility>

#include "guarantee/guarantee_tooltip_text.h"

namespace ordavex {

GuaranteeToolTipCheck& GuaranteeToolTipCheck::Of(QObject& window) {
    auto* check = window.findChild<GuaranteeToolTipCheck*>(QString(), Qt::FindDirectChildrenOnly);
    return check != nullptr ? *check : *new GuaranteeToolTipCheck(&window);
}

GuaranteeToolTipCheck::GuaranteeToolTipCheck(QObject* parent)
    : GuaranteeToolTipCheck(parent, [](const GuaranteeMatrix& matrix, int matrixNumbers, const NameFields& nameFields,
                                       const std::string& fileName) {
          return CheckNamedGuaranteeOfLoaded(matrix, matrixNumbers, nameFields, fileName);
      }) {}

GuaranteeToolTipCheck::GuaranteeToolTipCheck(QObject* parent, Check check)
    : QObject(parent), check_(std::move(check)) {}

GuaranteeToolTipCheck::~GuaranteeToolTipCheck() {
    // Each check ends within its own time; what it would hand over is dropped with this object.
    for (auto& thread : threads_) thread.join();
}

void GuaranteeToolTipCheck::Start(std::shared_ptr<const GuaranteeMatrix> matrix, int matrixNumbers,
                                  const NameFields& nameFields, const std::string& fileName, Show show) {
    JoinFinished();
    show({GuaranteeSign::kNone, kGuaranteeCheckingText});
    unsigned ticket = 0;
    {
        const std::lock_guard lock(mutex_);
        ticket = ++latest_;
        ++running_;
    }
    try {
        threads_.emplace_back([this, ticket, matrix, matrixNumbers, nameFields, fileName, show] {
            // An exception leaving a thread would end the program.
            GuaranteeVerdict verdict{GuaranteeSign::kNone, kGuaranteeFailedText};
            try {
                if (matrix) verdict = check_(*matrix, matrixNumbers, nameFields, fileName);
            } catch (...) {
            }
            QMetaObject::invokeMethod(
                this, [this, ticket, verdict = std::move(verdict), show] { Hand(ticket, verdict, show); },
                Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        // No thread to spare: the window goes on without the check.
        Hand(ticket, {GuaranteeSign::kNone, kGuaranteeFailedText}, show);
    }
}

void GuaranteeToolTipCheck::Hand(unsigned ticket, const GuaranteeVerdict& verdict, const Show& show) {
    bool newest = false;
    {
        const std::lock_guard lock(mutex_);
        newest = ticket == latest_;
        --running_;
    }
    if (newest) show(verdict);
}

bool GuaranteeToolTipCheck::Busy() const {
    const std::lock_guard lock(mutex_);
    return running_ > 0;
}

void GuaranteeToolTipCheck::JoinFinished() {
    // A thread whose text has been handed over has ended or is about to: none is left running.
    if (Busy()) return;
    for (auto& thread : threads_) thread.join();
    threads_.clear();
}

}  // namespace ordavex
