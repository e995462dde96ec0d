#include "base/result.h"

#include <QDebug>

namespace stylewright {

void logFailure(const Failure &failure)
{
    qWarning().noquote() << (failure.reason.isEmpty() ? failure.message : failure.reason);
}

} // namespace stylewright
