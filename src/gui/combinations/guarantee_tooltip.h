#pragma once

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "combinations/matrix_name.h"
#include "guarantee/guarantee_tooltip_text.h"

namespace ordavex {

// Checks the guarantee of a loaded matrix away from the window's thread, so that no click waits
// for it, and hands its verdict (whether the guarantee in the name holds, a warning with the
// guarantee that really holds, or a note that the check did not finish in its time) to the window
// when it ends. A newer check makes the result of every older one be dropped.
class GuaranteeToolTipCheck : public QObject {
    Q_OBJECT
public:
    using Show = std::function<void(const GuaranteeVerdict&)>;
    // Checks the lines of a loaded matrix: CheckNamedGuaranteeOfLoaded unless a test gives another.
    using Check = std::function<GuaranteeVerdict(const GuaranteeMatrix& matrix, int matrixNumbers,
                                                 const NameFields& nameFields, const std::string& fileName)>;

    // The one check of the window, made the first time it is asked for.
    static GuaranteeToolTipCheck& Of(QObject& window);

    explicit GuaranteeToolTipCheck(QObject* parent);
    GuaranteeToolTipCheck(QObject* parent, Check check);
    ~GuaranteeToolTipCheck() override;

    // Shows kGuaranteeCheckingText at once, then the check's verdict on `matrix`, the lines
    // loaded from the file `fileName`, once it ends. Without lines (they could not be made), the
    // check is told as failed.
    void Start(std::shared_ptr<const GuaranteeMatrix> matrix, int matrixNumbers, const NameFields& nameFields,
               const std::string& fileName, Show show);
    // Whether a check has not handed its verdict yet.
    bool Busy() const;

private:
    void JoinFinished();
    void Hand(unsigned ticket, const GuaranteeVerdict& verdict, const Show& show);

    Check check_;
    mutable std::mutex mutex_;
    std::vector<std::thread> threads_;
    unsigned latest_ = 0;
    unsigned running_ = 0;
};

}  // namespace ordavex
