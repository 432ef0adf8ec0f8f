// The site database update: the worker that brings the local site database, its packages and
// the fast categories up to the update server's.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "net/ftp_client.h"
#include "sites/update_index.h"
#include "sites/update_outcome.h"
#include "sites/update_settings.h"
#include "sites/update_view.h"
#include "store/prompter.h"
#include "store/result.h"

namespace listrider::sites {

/// One update. Execute runs it on the calling thread; Start runs it on a thread of its own and
/// reports the outcome from there when it ends. Stop ("Stop Update") may be called from any thread: the
/// update ends at its next check, keeping everything already written. The local index is rewritten after
/// every package, so an update that ends early leaves a consistent database.
class TDownloader
{
public:
    TDownloader(UpdateSettings settings, UpdateView& view, store::Prompter& prompter);
    TDownloader(const TDownloader&) = delete;
    TDownloader& operator=(const TDownloader&) = delete;
    /// Stops a running update and waits for it.
    ~TDownloader();

    /// Runs the whole update and returns its outcome.
    UpdateOutcome Execute();

    /// Runs Execute on a worker thread, which calls `finished` with the outcome at its end.
    void Start(std::function<void(const UpdateOutcome&)> finished);

    /// Sets the cancel flag and aborts a transfer in progress.
    void Stop();

private:
    enum class Phase
    {
        None,
        Download,
        FastCats,
    };

    bool Run();
    bool Connect();
    bool LogIn();
    bool CheckVersion();
    bool LoadIndexes();
    bool FetchSites();
    bool FetchPackage(const TSites& site, bool updating);
    bool RemoveObsolete();
    bool FetchFastCategories();
    void CleanUp();

    bool Cancelled();
    bool Fail(std::string message, std::string detail = {});
    bool SaveLocalIndex();
    store::Result<void> Fetch(const std::string& remote, const std::filesystem::path& local, bool querySize);
    void OnProgress(std::int64_t bytes, bool& abort);

    std::filesystem::path SitesPath(std::string_view file) const;

    UpdateSettings m_settings;
    UpdateView& m_view;
    store::Prompter& m_prompter;
    net::FtpClient m_ftp;
    std::atomic<bool> m_cancel{false};
    std::thread m_worker;

    UpdateOutcome m_outcome;
    std::vector<TSites> m_local;
    std::vector<TSites> m_server;
    UpdateLists m_lists;
    Phase m_phase = Phase::None;
    std::int64_t m_fileSize = 0;
    bool m_tooLarge = false;
};

} // namespace listrider::sites
