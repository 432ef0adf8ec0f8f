// net: the local address list and one HTTP request with the program's own client and settings.
#include <chrono>
#include <ostream>
#include <thread>

#include "cli/arguments.h"
#include "cli/commands/commands.h"
#include "cli/exit_codes.h"
#include "engine/http_settings.h"
#include "net/completion.h"
#include "net/http_client.h"
#include "net/local_addresses.h"
#include "store/prefs.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: listrider-cli net addresses\n"
    "       listrider-cli net fetch URL [--head] [--post BODY] [--referer URL] [--cookie TEXT]\n"
    "\n"
    "addresses  prints the local address list the clients bind to, in order\n"
    "fetch      sends one request with the program's HTTP client (its fixed headers, the HTTP\n"
    "           proxy of the preferences, redirects followed) and prints the status, every\n"
    "           cookie and redirect, then the body (headers only with --head)\n";

class NetCommand final : public Command
{
public:
    std::string_view Name() const override { return "net"; }

    std::string_view Summary() const override { return "local addresses and a test request"; }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const bool head = arguments.Flag("head");
        const std::optional<std::string> post = arguments.Option("post");
        const std::optional<std::string> referer = arguments.Option("referer");
        const std::optional<std::string> cookie = arguments.Option("cookie");
        const std::vector<std::string> words = arguments.Positionals();
        if (std::string problem = arguments.Finish(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        if (words.size() == 1 && words[0] == "addresses") {
            for (const std::string& address : net::GetLocalIP()) {
                context.Out() << (address.empty() ? "(empty)" : address) << "\n";
            }
            return kExitOk;
        }
        if (words.size() != 2 || words[0] != "fetch") {
            return context.UsageError("net needs 'addresses' or 'fetch URL'", kUsage);
        }
        store::Result<std::filesystem::path> workspace = context.Workspace();
        if (!workspace) {
            return context.Fail(workspace.GetError());
        }
        const store::Prefs prefs = store::LoadINI(workspace.Value()).prefs;
        return Fetch(context, prefs, words[1], head, post, referer.value_or(""), cookie.value_or(""));
    }

private:
    static int Fetch(CommandContext& context,
                     const store::Prefs& prefs,
                     const std::string& url,
                     bool head,
                     const std::optional<std::string>& post,
                     const std::string& referer,
                     const std::string& cookie)
    {
        net::HttpClient client;
        client.options = engine::FixedHttpOptions();
        engine::ApplyProxy(engine::HttpProxyFromPrefs(prefs), client.options);
        client.options.url = url;
        client.options.reference = referer;
        client.options.cookie = cookie;
        net::StringSink body;
        client.SetResponseStream(&body);
        client.events.onCookie = [&](std::string_view value) {
            context.Out() << "Cookie: " << value << "\n";
            client.options.cookie = engine::AddCookieOnce(client.options.cookie, value);
        };
        client.events.onLocationChange = [&](std::string& location) {
            context.Out() << "Redirect: " << location << "\n";
        };
        store::Result<void> outcome;
        if (head) {
            outcome = client.Head();
        } else {
            net::Completion done;
            client.events.onRequestDone = [&](const store::Result<void>& result) {
                outcome = result;
                done.Set();
            };
            if (post) {
                client.options.sendStream = *post;
            }
            store::Result<void> started = post ? client.PostAsync() : client.GetAsync();
            if (!started) {
                return context.Fail(started.GetError());
            }
            done.WaitFor(net::kRequestWaitLimit);
            while (client.IsBusy()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        if (client.StatusCode() != 0) {
            context.Out() << "Status: " << client.StatusCode() << " " << client.ReasonPhrase() << "\n";
        }
        if (!outcome) {
            return context.Fail(outcome.GetError());
        }
        if (!head) {
            context.Out() << "\n" << body.Text();
        }
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeNetCommand()
{
    return std::make_unique<NetCommand>();
}

} // namespace listrider::cli
