// A process-wide cache of skin records by name that lives from its first
// client to its last: when the last client goes, every record is dropped and
// the next request reads its text again.
//
// Contract: used from the GUI thread only; only the creation of the one
// instance (a function-local static) is guarded. Clients hold plain pointers
// into records, which stay valid while any client exists.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace skin {

template <class Record>
class SkinCache {
public:
    void addClient() { ++clientCount_; }
    void removeClient() {
        if (--clientCount_ <= 0) {
            clientCount_ = 0;
            entries_.clear();
        }
    }
    int32_t clientCount() const { return clientCount_; }

protected:
    Record* find(const std::string& name) const {
        const auto found = entries_.find(name);
        return found == entries_.end() ? nullptr : found->second.get();
    }
    Record* insert(const std::string& name, std::shared_ptr<Record> record) {
        return entries_.emplace(name, std::move(record)).first->second.get();
    }

private:
    std::map<std::string, std::shared_ptr<Record>> entries_;
    int32_t clientCount_ = 0;
};

// A base that counts its object as a client of Cache for the object's life.
template <class Cache>
class SkinCacheClient {
public:
    SkinCacheClient() { Cache::instance().addClient(); }
    SkinCacheClient(const SkinCacheClient&) : SkinCacheClient() {}
    SkinCacheClient& operator=(const SkinCacheClient&) = default;
    virtual ~SkinCacheClient() { Cache::instance().removeClient(); }
};

}  // namespace skin
