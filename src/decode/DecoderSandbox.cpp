#include "decode/DecoderSandbox.h"

#include <QImageReader>

#include <libheif/heif.h>

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <fcntl.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <vector>

namespace stowly::decoderSandbox {
namespace {

#if defined(__x86_64__)
constexpr quint32 nativeArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr quint32 nativeArch = AUDIT_ARCH_AARCH64;
#else
constexpr quint32 nativeArch = 0;
#endif

// The calls decoding needs: reading the given file, memory, threads, time and the socket.
const std::vector<long>& allowedCalls() {
    static const std::vector<long> calls{
        __NR_read,
        __NR_write,
        __NR_readv,
        __NR_writev,
        __NR_pread64,
        __NR_preadv,
        __NR_lseek,
        __NR_close,
        __NR_fstat,
        __NR_newfstatat,
        __NR_statx,
        __NR_mmap,
        __NR_munmap,
        __NR_mprotect,
        __NR_mremap,
        __NR_madvise,
        __NR_brk,
        __NR_futex,
        __NR_exit,
        __NR_exit_group,
        __NR_rt_sigreturn,
        __NR_rt_sigprocmask,
        __NR_rt_sigaction,
        __NR_sigaltstack,
        __NR_getpid,
        __NR_gettid,
        __NR_getppid,
        __NR_getuid,
        __NR_geteuid,
        __NR_getgid,
        __NR_getegid,
        __NR_clock_gettime,
        __NR_clock_getres,
        __NR_gettimeofday,
        __NR_clock_nanosleep,
        __NR_nanosleep,
        __NR_sched_yield,
        __NR_sched_getaffinity,
        __NR_set_robust_list,
        __NR_get_robust_list,
        __NR_rseq,
        __NR_prlimit64,
        __NR_getrandom,
        __NR_sendmsg,
        __NR_recvmsg,
        __NR_sendto,
        __NR_recvfrom,
        __NR_ppoll,
        __NR_fcntl,
        __NR_dup,
        __NR_dup3,
        __NR_readlinkat,
        __NR_getdents64,
        __NR_faccessat,
        __NR_uname,
        __NR_sysinfo,
        __NR_membarrier,
        __NR_set_tid_address,
        __NR_getcwd,
        __NR_eventfd2,
        __NR_pipe2,
        __NR_tgkill,
        __NR_shutdown,
        __NR_fadvise64,
#ifdef __NR_faccessat2
        __NR_faccessat2,
#endif
#ifdef __NR_stat
        __NR_stat,
        __NR_lstat,
        __NR_access,
        __NR_readlink,
        __NR_poll,
        __NR_arch_prctl,
#endif
    };
    return calls;
}

sock_filter statement(quint16 code, quint32 k) {
    return BPF_STMT(code, k);
}

sock_filter jump(quint16 code, quint32 k, quint8 yes, quint8 no) {
    return BPF_JUMP(code, k, yes, no);
}

constexpr quint32 argumentLow(int index) {
    return quint32(offsetof(seccomp_data, args) + index * sizeof(quint64));
}

// Everything not allowed fails with EPERM rather than ending the process: a decoder that
// tries something unexpected gives up on its file, and the next file still draws.
QStringList installFilter() {
    if (nativeArch == 0)
        return {QStringLiteral("no system call filter for this processor")};
    constexpr quint32 allow = SECCOMP_RET_ALLOW;
    constexpr quint32 refuse = SECCOMP_RET_ERRNO | EPERM;
    std::vector<sock_filter> program{
        statement(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        jump(BPF_JMP | BPF_JEQ | BPF_K, nativeArch, 1, 0),
        statement(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
        statement(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        // Threads start through clone, whose flags can be checked; clone3's cannot.
        jump(BPF_JMP | BPF_JEQ | BPF_K, __NR_clone3, 0, 1),
        statement(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | ENOSYS),
        // A thread, never a process.
        jump(BPF_JMP | BPF_JEQ | BPF_K, __NR_clone, 0, 3),
        statement(BPF_LD | BPF_W | BPF_ABS, argumentLow(0)),
        jump(BPF_JMP | BPF_JSET | BPF_K, CLONE_THREAD, 0, 5),
        statement(BPF_RET | BPF_K, allow),
        // Opening for reading only: the decoders reopen the given file, libraries their data.
        jump(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 0, 4),
        statement(BPF_LD | BPF_W | BPF_ABS, argumentLow(2)),
        jump(BPF_JMP | BPF_JSET | BPF_K, O_WRONLY | O_RDWR | O_CREAT | O_TRUNC | O_APPEND, 1, 0),
        statement(BPF_RET | BPF_K, allow),
        statement(BPF_RET | BPF_K, refuse),
    };
    const std::vector<long>& calls = allowedCalls();
    for (const long call : calls) {
        program.push_back(jump(BPF_JMP | BPF_JEQ | BPF_K, quint32(call), 0, 1));
        program.push_back(statement(BPF_RET | BPF_K, allow));
    }
    program.push_back(statement(BPF_RET | BPF_K, refuse));
    const sock_fprog filter{quint16(program.size()), program.data()};
    if (::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter, 0, 0) != 0)
        return {QStringLiteral("the system call filter was refused: %1")
                    .arg(QString::fromLocal8Bit(strerror(errno)))};
    return {};
}

QStringList limit(int resource, rlim_t value, const char* what) {
    const rlimit bound{value, value};
    if (::setrlimit(resource, &bound) == 0)
        return {};
    return {QStringLiteral("no limit on %1").arg(QLatin1StringView(what))};
}

} // namespace

void warmUp() {
    QImageReader::supportedImageFormats();
    heif_init(nullptr);
}

QStringList confine() {
    QStringList missing;
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        missing << QStringLiteral("new privileges could not be ruled out");
#if !defined(__SANITIZE_ADDRESS__)
    // Enough for a 100-megapixel raw file and a 8K frame; a file that needs more is not drawn.
    // (AddressSanitizer reserves terabytes of address space up front: a checking build goes
    // without.)
    missing << limit(RLIMIT_AS, rlim_t(4) << 30, "memory");
#endif
    // Writing to a file given to it (a log as standard error) fails instead of ending it.
    ::signal(SIGXFSZ, SIG_IGN);
    missing << limit(RLIMIT_FSIZE, 0, "file sizes");
    missing << limit(RLIMIT_CORE, 0, "core dumps");
    missing << limit(RLIMIT_NOFILE, 64, "open files");
    ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
    missing << installFilter();
    return missing;
}

} // namespace stowly::decoderSandbox
