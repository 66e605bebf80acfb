// Sends arbitrary requests to every dispatched entry point of the reference
// service on the sample catalogue. The first byte chooses the entry point,
// the rest is the request. Checks that an answer is one whole packet of the
// length the entry point returned, and that a request that does not parse
// gets no answer.
#include "model/rpc_property.h"
#include "service/ks_api.h"

#include <cstdint>
#include <cstdlib>
#include <iterator>

namespace {

#define KS_ENTRY_ADDRESS(name) &_KS_##name,
const KsDispatchFn kEntries[] = {KS_DISPATCHED(KS_ENTRY_ADDRESS)};
#undef KS_ENTRY_ADDRESS

KsContext g_context = nullptr;

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    check(_KS_readDatabase(VELMAR_CATALOGUE, "", "", "", 0, 1) == 1);
    g_context = _KS_init();
    check(g_context != nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 0x7FFFFFFF) return 0;
    const KsDispatchFn entry = kEntries[data[0] % std::size(kEntries)];
    const std::uint8_t* request = data + 1;
    const auto length = static_cast<std::int32_t>(size - 1);
    std::uint8_t* answer = nullptr;
    const std::int32_t answered = entry(g_context, length > 0 ? request : nullptr, length, &answer);
    RpcPropertySet parsed;
    if (answered <= 0) {
        check(answer == nullptr);
        return 0;
    }
    check(answer != nullptr);
    check(parsed.parse(answer, answered) == 0);
    std::uint32_t total = 0;
    for (int i = 0; i < 4; ++i) total |= static_cast<std::uint32_t>(answer[i]) << (8 * i);
    check(total == static_cast<std::uint32_t>(answered));
    _KS_deleteData(answer);
    // A request the service could not read is never answered.
    RpcPropertySet sent;
    check(sent.parse(request, length) == 0);
    return 0;
}
