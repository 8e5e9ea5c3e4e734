// The conversion functions every formula can call: STRING, INTEGER, BOOLEAN, CURRENCY, DATETIME, DOUBLE.
#include "formula/ConversionFunctions.h"

#include "sheet/Manager.h"

namespace qv {

namespace {

// The first argument; Empty when a caller outside the formulas passes none.
const Variant& First(std::span<const Variant> params)
{
    static const Variant empty;
    return params.empty() ? empty : params[0];
}

} // namespace

void RegisterConversionFunctions(TXLManager& manager)
{
    // The manager owns its table, so the procedures may hold on to it for its locale.
    const TXLManager* m = &manager;
    manager.RegisterFunction("String", [m](TXLSheet*, std::span<const Variant> params, Variant& result) {
        result = First(params).ToString(m->Desktop().GetLocale());
    });
    manager.RegisterFunction("Integer", [m](TXLSheet*, std::span<const Variant> params, Variant& result) {
        result = First(params).ToInteger(m->Desktop().GetLocale());
    });
    manager.RegisterFunction("Boolean", [m](TXLSheet*, std::span<const Variant> params, Variant& result) {
        result = First(params).ToBoolean(m->Desktop().GetLocale());
    });
    manager.RegisterFunction("Currency", [m](TXLSheet*, std::span<const Variant> params, Variant& result) {
        result = First(params).ToCurrency(m->Desktop().GetLocale());
    });
    manager.RegisterFunction("DateTime", [m](TXLSheet*, std::span<const Variant> params, Variant& result) {
        result = Variant::FromDateTime(First(params).ToDateTime(m->Desktop().GetLocale()));
    });
    manager.RegisterFunction("Double", [m](TXLSheet*, std::span<const Variant> params, Variant& result) {
        result = First(params).ToDouble(m->Desktop().GetLocale());
    });
}

} // namespace qv
