#pragma once
// Reads many values of one key ahead of a job, from two threads at once,
// into the held keys that then answer them from memory. Each read is a round
// trip to the registry's server; two in flight wait together, which halves
// the time of a long run of them on a busy machine.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/HeldKeys.h"

namespace platform::win32 {

class ReadAhead {
  public:
    // `api` is the registry under `keys`, safe to call from two threads.
    ReadAhead(HeldKeys& keys, RegistryApi& api) : keys_(keys), api_(api) {}

    void Read(KeyHandle root, const std::string& subKey, const std::vector<std::string>& names) {
        KeyHandle key = 0;
        if (keys_.OpenKey(root, subKey, 0x3F, key) != status::Success) return;
        Half second{this, key, &names, names.size() / 2, names.size(), {}};
        HANDLE thread = CreateThread(nullptr, 0, &ReadAhead::Run, &second, 0, nullptr);
        Half first{this, key, &names, 0, thread ? names.size() / 2 : names.size(), {}};
        ReadHalf(first);
        if (thread) {
            WaitForSingleObject(thread, INFINITE);
            CloseHandle(thread);
        }
        for (Half* half : {&first, &second})
            for (std::size_t i = 0; i < half->reads.size(); ++i)
                if (half->reads[i].status != status::MoreData)
                    keys_.Keep(key, names[half->from + i], std::move(half->reads[i]));
        keys_.CloseKey(key);
    }

  private:
    struct Half {
        ReadAhead* self;
        KeyHandle key;
        const std::vector<std::string>* names;
        std::size_t from, to;
        std::vector<HeldKeys::Read> reads;
    };

    static DWORD WINAPI Run(void* half) {
        auto* work = static_cast<Half*>(half);
        work->self->ReadHalf(*work);
        return 0;
    }

    void ReadHalf(Half& half) {
        for (std::size_t i = half.from; i < half.to; ++i) {
            HeldKeys::Read read;
            std::uint8_t buffer[1024];
            std::uint32_t size = sizeof buffer;
            read.status = api_.QueryValue(half.key, (*half.names)[i], &read.type, buffer, &size);
            if (read.status == status::Success) read.data.assign(buffer, buffer + size);
            half.reads.push_back(std::move(read));
        }
    }

    HeldKeys& keys_;
    RegistryApi& api_;
};

}  // namespace platform::win32
