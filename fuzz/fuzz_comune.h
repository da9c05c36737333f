#ifndef QUADRIVO_FUZZ_FUZZ_COMUNE_H
#define QUADRIVO_FUZZ_FUZZ_COMUNE_H

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <string>

#include "text/stringa.h"
#include "tstfile/errore.h"

// What the fuzz targets share: a private directory for the files the
// loaders read (in memory when /dev/shm is there, since every input is
// written out), and a reporter whose messages go nowhere: a fuzzer meets
// millions of them. One per target, made on the first input.
class FuzzFiles {
public:
    FuzzFiles() : silence_(&discard_)
    {
        const char* tmpdir = std::getenv("TMPDIR");
        for (const char* base : {"/dev/shm", tmpdir, "/tmp"}) {
            if (!base) continue;
            std::string pattern = std::string(base) + "/quadrivo-fuzz-XXXXXX";
            if (mkdtemp(pattern.data())) {
                dir_ = pattern + "/";
                return;
            }
        }
        std::abort();
    }
    ~FuzzFiles() { std::filesystem::remove_all(dir_); }

    CStringa Dir() const { return CStringa(dir_.c_str()); }
    CStringa Path(const char* name) const { return CStringa((dir_ + name).c_str()); }

    void Write(const char* name, const uint8_t* data, size_t size) const
    {
        std::FILE* file = std::fopen((dir_ + name).c_str(), "wb");
        if (!file) std::abort();
        if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
        std::fclose(file);
    }

    mkErrore errors;

private:
    class Discard : public ErrorPresenter {
    public:
        void Present(int, const CStringa&) override {}
    };

    std::string dir_;
    Discard discard_;
    ScopedErrorPresenter silence_;
};

#endif
