// The catalogue of a vendor's size: the builder grows the sources under every
// rule they obey (a build that breaks one fails), and the service answers
// each entry point from it, with lists of a vendor's length.

#include "model/materialdaten.h"
#include "platform/os/module.h"
#include "service/ks_api.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

struct Service {
    os::ModuleHandle module = os::loadModule(ModuleDirectory() + "kalksrv.dll");
    template <class Fn> Fn get(const char* name) const {
        return reinterpret_cast<Fn>(os::resolveSymbol(module, name));
    }
    KsDeleteDataFn deleteData = get<KsDeleteDataFn>("_KS_deleteData");
    ~Service() { os::freeModule(module); }

    // The answer of `entry` read back into `request`; false without one.
    bool call(const char* entry, KsContext context, Materialdaten& request) const {
        auto dispatch = get<KsDispatchFn>(entry);
        if (!dispatch) return false;
        request.write();
        const std::vector<std::uint8_t> bytes = request.toBytes();
        std::uint8_t* answer = nullptr;
        const int32_t length =
            dispatch(context, bytes.data(), static_cast<int32_t>(bytes.size()), &answer);
        if (length <= 0) return false;
        const bool parsed = request.parse(answer, length) == 0;
        deleteData(answer);
        request.read();
        return parsed;
    }
};

template <class List> int DefaultId(const List& list) {
    for (const auto& entry : list)
        if (entry.isDefault()) return entry.getId();
    return list.empty() ? 0 : list.front().getId();
}

TEST(LargeCatalogue, KeepsEveryRuleAndEveryEntryPointAnswersFromIt) {
    const std::string tool = ModuleDirectory() + "kalksrv-catalogue";
    // In the build's own folder: builds of other clones may run this test at
    // the same time.
    const std::string db = ModuleDirectory() + "large-test.db";
    const std::string build =
        tool + " --preset large --no-drawings " + db + " " + VELMAR_SOURCE_DIR "/kalksrv/catalogue";
    ASSERT_EQ(std::system(build.c_str()), 0) << build;
    EXPECT_EQ(std::system((tool + " --check " + db + " > /dev/null").c_str()), 0);

    Service service;
    ASSERT_NE(service.module, nullptr);
    ASSERT_EQ(service.get<KsReadDatabaseFn>("_KS_readDatabase")(db.c_str(), "", "", "", 0, 1), 1);
    KsContext context = service.get<KsInitFn>("_KS_init")();
    ASSERT_NE(context, nullptr);

    Materialdaten request;
    request.hostKey1 = 1;
    request.requestKind = 2;
    ASSERT_TRUE(service.call("_KS_getSystems", context, request));
    EXPECT_GE(request.systems.size(), 20u);
    request.systemId = DefaultId(request.systems);
    ASSERT_TRUE(service.call("_KS_getColors", context, request));
    request.colourId = DefaultId(request.colours);
    ASSERT_TRUE(service.call("_KS_getArtikel", context, request));
    request.frameId = DefaultId(request.frames);
    request.sashId = DefaultId(request.sashes);
    request.mullionId = DefaultId(request.mullions);
    ASSERT_TRUE(service.call("_KS_getGlas", context, request));
    request.glassId = DefaultId(request.glasses);
    EXPECT_GE(request.glasses.size(), 200u);
    EXPECT_GE(request.frames.size() + request.sashes.size() + request.mullions.size(), 60u);

    // The colour list with the cladding shells: the RAL range and every group.
    request.option1 = true;
    ASSERT_TRUE(service.call("_KS_getColors", context, request));
    std::set<std::u16string> ral;
    for (const velmar_nameid& colour : request.colours) {
        const std::u16string name = colour.name;
        if (name.size() >= 8 && name.rfind(u"RAL ", 0) == 0 && name[4] >= u'1' && name[4] <= u'9')
            ral.insert(name.substr(0, 8)); // "RAL 7016" of "RAL 7016 Anthrazitgrau"
    }
    EXPECT_GE(ral.size(), 210u);
    EXPECT_LE(request.colours.size(), 1000u);

    // Each entry point once, on the element of the default series.
    velmar_artikel frame, sash;
    frame.nameId.id = request.frameId;
    frame.konstType = 11;
    sash.nameId.id = request.sashId;
    sash.konstType = 23;
    velmar_cutpos position;
    position.number = 1;
    position.opening1.artikel.items = {frame, sash};
    const Materialdaten element = request;
#define KS_ENTRY(name)                                                                             \
    {                                                                                              \
        Materialdaten r = element;                                                                 \
        r.articleId = std::string(#name) == "getColorBlob" ? element.colourId : element.frameId;   \
        r.cutPositions = {position};                                                               \
        EXPECT_TRUE(service.call("_KS_" #name, context, r)) << #name;                              \
    }
    KS_DISPATCHED(KS_ENTRY)
#undef KS_ENTRY
    double thickness = 0;
    service.get<KsGetGlasdickeRealFn>("_KS_getGlasdickeReal")(service.module, request.glassId,
                                                              &thickness);
    EXPECT_GT(thickness, 0.0);

    service.get<KsDeInitFn>("_KS_deInit")(context);
    std::filesystem::remove(db);
}

} // namespace
