// The engine's start-up.
#include "formula/Engine.h"

#include "formula/Manager.h"

namespace qv {

void InitEngine()
{
    XLManager();
}

} // namespace qv
