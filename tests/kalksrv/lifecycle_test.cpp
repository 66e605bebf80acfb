// The service's lifecycle: which catalogue it reads, what a missing or
// corrupt one does, and what an unreadable request gets. The service keeps
// the catalogue of _KS_readDatabase for the process, so every test starts by
// reading the catalogue it needs.

#include "model/materialdaten.h"
#include "platform/os/message.h"
#include "platform/os/module.h"
#include "service/ks_api.h"
#include "service/load_database.h"
#include "service/service_client.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string servicePath() {
    return ModuleDirectory() + "kalksrv.dll";
}

// The service library held for the whole test, with its entry points.
struct Service {
    os::ModuleHandle module = os::loadModule(servicePath());
    template <class Fn> Fn get(const char* name) const {
        return reinterpret_cast<Fn>(os::resolveSymbol(module, name));
    }
    KsInitFn init = get<KsInitFn>("_KS_init");
    KsDeInitFn deInit = get<KsDeInitFn>("_KS_deInit");
    KsDeleteDataFn deleteData = get<KsDeleteDataFn>("_KS_deleteData");
    KsReadDatabaseFn readDatabase = get<KsReadDatabaseFn>("_KS_readDatabase");
    KsDispatchFn getSystems = get<KsDispatchFn>("_KS_getSystems");
    KsDispatchFn getArtikel = get<KsDispatchFn>("_KS_getArtikel");
    ~Service() { os::freeModule(module); }

    // Sends `request` to `entry` in `context`; the answer read back into a
    // record, or nothing when the entry point answered no packet.
    bool call(KsDispatchFn entry, KsContext context, Materialdaten& request) const {
        request.write();
        const std::vector<std::uint8_t> bytes = request.toBytes();
        std::uint8_t* answer = nullptr;
        const int32_t length =
            entry(context, bytes.data(), static_cast<int32_t>(bytes.size()), &answer);
        if (length <= 0) return false;
        const bool parsed = request.parse(answer, length) == 0;
        deleteData(answer);
        request.read();
        return parsed;
    }
};

// Reads `path` as the catalogue and returns what the service wrote to stderr.
std::string readCatalogue(const Service& service, const std::string& path) {
    testing::internal::CaptureStderr();
    service.readDatabase(path.c_str(), "de", "", "", 0, 1);
    return testing::internal::GetCapturedStderr();
}

std::string writeFile(const std::string& name, const std::string& content) {
    const std::string path = testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

class Lifecycle : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(service.module, nullptr) << os::lastModuleError();
        ASSERT_NE(service.init, nullptr);
    }
    Service service;
    os::MessageRecorder recorder;
};

TEST_F(Lifecycle, AnUnusableCatalogueIsReportedOnceAndRefusesSessions) {
    const std::string missing = testing::TempDir() + "kalksrv-no-such-dir/catalogue.db";
    const std::string garbage = writeFile("kalksrv-garbage.db", std::string(4096, 'x'));
    // An empty file opens as an empty SQLite database: no catalogue in it.
    const std::string empty = writeFile("kalksrv-empty.db", "");
    const struct {
        std::string path, error;
    } cases[] = {
        {missing, "unable to open database file"},
        {garbage, "file is not a database"},
        {empty, "no such table: katalog_info"},
    };
    for (const auto& c : cases) {
        const std::string err = readCatalogue(service, c.path);
        // One line naming the file and SQLite's reason.
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_NE(err.find("\"" + c.path + "\""), std::string::npos) << err;
        EXPECT_NE(err.find(c.error), std::string::npos) << err;
        EXPECT_EQ(service.init(), nullptr) << c.path;

        // The component then reports the service as not initialised.
        ServiceClient client;
        Materialdaten m;
        EXPECT_FALSE(client.getSystems(m));
        ASSERT_EQ(recorder.messages().size(), 1u);
        EXPECT_EQ(recorder.messages()[0].first, "couldn't initialize kalksrv.dll");
        recorder.clear();
    }

    // A catalogue that opens again lifts the refusal; an empty path is the
    // sample beside the library.
    EXPECT_EQ(readCatalogue(service, ""), "");
    ServiceClient client;
    Materialdaten m;
    m.requestKind = 2;
    ASSERT_TRUE(client.getSystems(m));
    EXPECT_GE(m.systems.size(), 3u);
    EXPECT_TRUE(recorder.messages().empty());
}

TEST_F(Lifecycle, RequestsThatDoNotParseGetNoAnswer) {
    ASSERT_EQ(readCatalogue(service, ""), "");
    KsContext context = service.init();
    ASSERT_NE(context, nullptr);

    Materialdaten valid;
    valid.requestKind = 2;
    valid.write();
    const std::vector<std::uint8_t> packet = valid.toBytes();
    const auto size = static_cast<int32_t>(packet.size());
    std::vector<std::uint8_t> overlong = packet;
    overlong[0] = 0xff; // claims more bytes than it has
    overlong[1] = 0xff;
    const std::vector<std::uint8_t> garbage(64, 0xee);
    const std::uint8_t shortPacket[3] = {1, 2, 3};

    auto send = [&](KsContext ctx, const std::uint8_t* data, int32_t length) {
        std::uint8_t* answer = reinterpret_cast<std::uint8_t*>(&context); // must be cleared
        const int32_t got = service.getSystems(ctx, data, length, &answer);
        EXPECT_EQ(answer, nullptr);
        return got;
    };
    const std::pair<const std::uint8_t*, int32_t> refused[] = {
        {garbage.data(), 64}, {overlong.data(), size}, {packet.data(), size / 2}, {shortPacket, 3},
        {nullptr, 100},       {packet.data(), 0},      {packet.data(), -5}};
    for (auto [data, length] : refused) EXPECT_EQ(send(context, data, length), 0) << length;
    // A request packed with more list elements than the service echoes.
    Materialdaten packed;
    packed.cutPositions.resize(900);
    for (velmar_cutpos& p : packed.cutPositions) p.opening1.zusatz.resize(25);
    packed.write();
    const std::vector<std::uint8_t> large = packed.toBytes();
    EXPECT_EQ(send(context, large.data(), static_cast<int32_t>(large.size())), 0);
    // Only live sessions are answered.
    int notASession = 0;
    EXPECT_EQ(send(&notASession, packet.data(), size), 0);
    EXPECT_EQ(send(nullptr, packet.data(), size), 0);
    EXPECT_EQ(service.getSystems(context, packet.data(), size, nullptr), 0);

    // The valid packet is answered, with an empty list as a complete packet.
    std::uint8_t* answer = nullptr;
    const int32_t length = service.getSystems(context, packet.data(), size, &answer);
    EXPECT_GT(length, 0);
    service.deleteData(answer);
    Materialdaten noSeries;
    EXPECT_TRUE(service.call(service.getArtikel, context, noSeries));
    EXPECT_TRUE(noSeries.frames.empty());

    EXPECT_EQ(service.deInit(context), 1);
    EXPECT_EQ(service.deInit(context), 0); // already ended
    EXPECT_EQ(send(context, packet.data(), size), 0);
}

TEST_F(Lifecycle, SessionsKeepTheirCatalogueAndTheScaledOneAnswersLikeTheSample) {
    ASSERT_EQ(readCatalogue(service, ModuleDirectory() + "catalogue.db"), "");
    KsContext sample = service.init();
    ASSERT_EQ(readCatalogue(service, ModuleDirectory() + "catalogue-x100.db"), "");
    KsContext scaled = service.init();
    ASSERT_NE(sample, nullptr);
    ASSERT_NE(scaled, nullptr);

    Materialdaten a, b;
    ASSERT_TRUE(service.call(service.getSystems, sample, a));
    ASSERT_TRUE(service.call(service.getSystems, scaled, b));
    EXPECT_EQ(a.systems.size(), 4u);
    EXPECT_EQ(b.systems.size(), 100 * a.systems.size());

    // A copied series offers what its original offers, under its own ids.
    Materialdaten original, copy;
    original.systemId = 8830;
    copy.systemId = 8830 + 4200000;
    ASSERT_TRUE(service.call(service.getArtikel, sample, original));
    ASSERT_TRUE(service.call(service.getArtikel, scaled, copy));
    ASSERT_EQ(copy.frames.size(), original.frames.size());
    for (std::size_t i = 0; i < copy.frames.size(); ++i) {
        EXPECT_EQ(copy.frames[i].nameId.id, original.frames[i].nameId.id + 4200000);
        EXPECT_EQ(copy.frames[i].nameId.name, original.frames[i].nameId.name);
    }
    service.deInit(sample);
    service.deInit(scaled);
    readCatalogue(service, "");
}

} // namespace
