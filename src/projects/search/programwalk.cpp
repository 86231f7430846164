#include "projects/search/programwalk.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <linux/magic.h>
#include <memory>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <vector>

QStringList programSearchMasks(const QString &additionalName) {
    QStringList masks{QStringLiteral("firefox*"), QStringLiteral("chromium*"),
                      QStringLiteral("google-chrome*"), QStringLiteral("epiphany*"),
                      QStringLiteral("konqueror*")};
    const QString extra = additionalName.trimmed();
    if (!extra.isEmpty())
        masks << extra;
    return masks;
}

namespace {

// File systems that only show the kernel's state: no program lives there,
// and walking them costs long (and /proc shows the whole tree again).
bool isKernelFileSystem(int fd) {
    struct statfs fs {};
    if (fstatfs(fd, &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEVPTS_SUPER_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case PSTOREFS_MAGIC:
    case BPF_FS_MAGIC:
    case SELINUX_MAGIC:
    case BINFMTFS_MAGIC:
        return true;
    default:
        return false;
    }
}

bool isExecutableFile(const QByteArray &path) {
    struct stat st {};
    return stat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) &&
           access(path.constData(), X_OK) == 0;
}

// A folder being walked, linked to the folder it lies in, so that a folder
// that is its own ancestor (through a bind mount) is recognised.
struct Visit {
    dev_t device;
    ino_t inode;
    std::shared_ptr<const Visit> parent;
};

// One folder waiting to be walked: its path with a trailing "/" and the
// folder it lies in (none for the root).
struct Pending {
    QByteArray path;
    std::shared_ptr<const Visit> parent;
};

class Walk {
public:
    Walk(const QStringList &masks, const ProgramWalkReport &report, const std::atomic_bool &stop)
        : m_report(report), m_stop(stop) {
        for (const QString &mask : masks)
            m_masks.push_back(QFile::encodeName(mask));
    }

    bool run(const QString &root) {
        QByteArray start = QFile::encodeName(root);
        if (!start.endsWith('/'))
            start += '/';
        // The root is what the user chose: a link to a folder is followed
        // there, and only there.
        std::vector<Pending> pending{{start, nullptr}};
        while (!pending.empty()) {
            if (stopped())
                return false;
            const Pending next = std::move(pending.back());
            pending.pop_back();
            std::shared_ptr<const Visit> visit;
            const int fd = openFolder(next, visit);
            if (fd < 0)
                continue;
            std::vector<QByteArray> subfolders;
            if (!readFolder(fd, next.path, subfolders))
                return false;
            // Depth first: the first sub-folder listed is walked next.
            for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it)
                pending.push_back({next.path + *it + '/', visit});
        }
        return !stopped();
    }

private:
    bool stopped() const { return m_stop.load(std::memory_order_relaxed); }

    // Opens a folder to be listed, or returns -1 when it is not to be
    // walked: a link (checked as it is opened, so a folder swapped for a
    // link meanwhile is not followed either), one of its own ancestors (a
    // bind mount can lead back up the tree) or one of the kernel's file
    // systems.
    int openFolder(const Pending &folder, std::shared_ptr<const Visit> &visit) {
        int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
        if (folder.parent)
            flags |= O_NOFOLLOW;
        const int fd = open(folder.path.constData(), flags);
        if (fd < 0)
            return -1;
        struct stat st {};
        bool walk = fstat(fd, &st) == 0;
        for (const Visit *up = folder.parent.get(); walk && up; up = up->parent.get())
            walk = up->device != st.st_dev || up->inode != st.st_ino;
        if (walk && (!folder.parent || folder.parent->device != st.st_dev))
            walk = !isKernelFileSystem(fd);
        if (!walk) {
            close(fd);
            return -1;
        }
        visit = std::make_shared<const Visit>(Visit{st.st_dev, st.st_ino, folder.parent});
        if (m_report.entering)
            m_report.entering(QFile::decodeName(folder.path));
        return fd;
    }

    // Lists an open folder (and closes it): reports its programs, mask by
    // mask, and collects its sub-folders in the order listed. Returns false
    // when stopped.
    bool readFolder(int fd, const QByteArray &folder, std::vector<QByteArray> &subfolders) {
        DIR *dir = fdopendir(fd);
        if (!dir) {
            close(fd);
            return true;
        }
        std::vector<QByteArray> files;
        while (const dirent *entry = readdir(dir)) {
            if (stopped()) {
                closedir(dir);
                return false;
            }
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            unsigned char type = entry->d_type;
            if (type == DT_UNKNOWN) {
                struct stat st {};
                if (fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : DT_REG;
            }
            if (type == DT_DIR)
                subfolders.push_back(name);
            else if (type == DT_REG || type == DT_LNK)
                files.push_back(name);
        }
        closedir(dir);
        for (int mask = 0; mask < int(m_masks.size()); ++mask) {
            for (const QByteArray &name : files) {
                if (stopped())
                    return false;
                if (fnmatch(m_masks[mask].constData(), name.constData(), FNM_CASEFOLD) != 0)
                    continue;
                const QByteArray path = folder + name;
                if (isExecutableFile(path))
                    m_report.found(mask, QFile::decodeName(path));
            }
        }
        return true;
    }

    std::vector<QByteArray> m_masks;
    const ProgramWalkReport &m_report;
    const std::atomic_bool &m_stop;
};

} // namespace

bool walkForPrograms(const QString &root, const QStringList &masks, const ProgramWalkReport &report,
                     const std::atomic_bool &stop) {
    return Walk(masks, report, stop).run(root);
}
