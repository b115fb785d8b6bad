#include "search/stream_probe.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "support/files.h"
#include "support/test_servers.h"

namespace strevo {
namespace {

class StreamProbe : public testing::Test {
protected:
    void SetUp() override {
        auto& s = site.server();
        s.Get("/good.m3u8", [](const auto&, auto& res) { res.set_content("#EXTM3U\n#EXTINF:-1,\nx.ts\n", "audio/mpegurl"); });
        s.Get("/html.m3u8", [](const auto&, auto& res) { res.set_content("<html>not found</html>", "text/html"); });
        s.Get("/late.m3u8", [](const auto&, auto& res) {
            std::this_thread::sleep_for(std::chrono::seconds(3));
            res.set_content("#EXTM3U\n", "audio/mpegurl");
        });
        s.Get("/both.m3u.flv", [](const auto&, auto& res) { res.set_content("#EXTM3U\n", "text/plain"); });
        s.Get("/UPPER.M3U8", [](const auto&, auto& res) { res.status = 404; });
        s.Get("/live.flv", [](const auto&, auto& res) { res.set_content("FLV", "video/x-flv"); });
        s.Get("/missing.flv", [](const auto&, auto& res) { res.status = 404; });
        s.Get("/nohead.flv", [](const auto&, auto& res) { res.set_content("FLV", "video/x-flv"); });
        s.Get("/gone", [](const auto&, auto& res) { res.status = 404; });
        s.Get("/endless", [](const auto&, auto& res) {
            res.set_chunked_content_provider("video/mp2t", [](size_t, httplib::DataSink& sink) {
                const std::string chunk(4096, 'G');
                for (int i = 0; i < 2000 && sink.is_writable(); ++i) {
                    sink.write(chunk.data(), chunk.size());
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                }
                sink.done();
                return true;
            });
        });
        // This address serves a GET but refuses HEAD.
        s.set_pre_routing_handler([](const auto& req, auto& res) {
            if (req.method == "HEAD" && req.path == "/nohead.flv") {
                res.status = 405;
                return httplib::Server::HandlerResponse::Handled;
            }
            return httplib::Server::HandlerResponse::Unhandled;
        });
        site.start();
    }

    std::string at(const std::string& path) const { return site.base() + path; }

    test::HttpFixture site;
};

TEST_F(StreamProbe, DecidesByTheKindOfAddress) {
    const int closed_port = test::refused_port();
    const std::string refused = "http://127.0.0.1:" + std::to_string(closed_port) + "/live";
    const std::pair<std::string, bool> cases[] = {
        {at("/good.m3u8"), true},
        {at("/html.m3u8"), false},
        {at("/both.m3u.flv"), true},     // the playlist rule comes first
        {at("/UPPER.M3U8"), true},       // upper case is no playlist: opened, and a 404 opens
        {at("/live.flv"), true},
        {at("/missing.flv"), false},
        {at("/nohead.flv"), false},
        {at("/gone"), true},
        {refused, false},
        {"rtsp://127.0.0.1:554/live", false},
    };
    for (const auto& [address, valid] : cases) EXPECT_EQ(stream_is_valid(address), valid) << address;
}

TEST_F(StreamProbe, SlowPlaylistAndEndlessStreamEndQuickly) {
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(stream_is_valid(at("/late.m3u8")));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2900));

    start = std::chrono::steady_clock::now();
    EXPECT_TRUE(stream_is_valid(at("/endless")));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

}  // namespace
}  // namespace strevo
