#include "platform/com/server_connection.h"

#include "platform/com/class_object.h"
#include "platform/com/proxy_stub.h"

#include <sys/socket.h>

#include <algorithm>
#include <cerrno>

namespace platform::com {

namespace {

constexpr std::size_t kReadChunk = std::size_t{64} << 10;
// No connection keeps more than one frame and one read chunk of input.
constexpr std::size_t kMaxInput = wire::kLengthBytes + wire::kMaxFrameBody + kReadChunk;
// Objects one connection may hold at once; our clients hold one.
constexpr std::size_t kMaxObjects = 4096;
// What an idle connection keeps of its input buffer: kept buffers count against the input budget
// of all connections, so one that once carried a large frame gives that memory back.
constexpr std::size_t kKeptCapacity = kReadChunk;
constexpr std::size_t kMaxResponsePayload = wire::kMaxFrameBody - wire::kResponseHead;

// Creates one object through its class object and wraps it into its stub.
HRESULT CreateServed(const CLSID& clsid, const IID& iid, IUnknown** object, std::unique_ptr<CallTarget>* stub) {
    const StubFactory makeStub = FindStubFactory(iid);
    if (!makeStub) return E_NOINTERFACE;
    IClassFactory* factory = FindClassObject(clsid, CLSCTX_LOCAL_SERVER);
    if (!factory) return REGDB_E_CLASSNOTREG;
    void* pointer = nullptr;
    HRESULT hr = E_UNEXPECTED;
    try {
        hr = factory->CreateInstance(nullptr, iid, &pointer);
    } catch (...) {
        hr = RPC_E_SERVERFAULT;
    }
    factory->Release();
    if (FAILED(hr)) return hr;
    if (!pointer) return E_UNEXPECTED;
    *object = static_cast<IUnknown*>(pointer);
    try {
        *stub = makeStub(*object);
    } catch (...) {
        stub->reset();
    }
    if (*stub) return S_OK;
    (*object)->Release();
    *object = nullptr;
    return E_OUTOFMEMORY;
}

}  // namespace

ServedConnection::~ServedConnection() {
    ReleaseObjects();
    budget_.Give(inputCharged_);
}

void ServedConnection::ReleaseObjects() {
    // Taken out first: a release may run code that ends the loop, but never touches this list.
    std::vector<ServedObject> objects = std::move(objects_);
    objects_.clear();
    for (ServedObject& served : objects) {
        served.stub.reset();
        served.object->Release();
    }
}

void ServedConnection::OnReadable(const std::atomic<bool>& stop) {
    if (closed_ || !output_.empty()) return;
    if (input_.size() < kMaxInput) {
        // Read into a scratch buffer and keep only what arrived.
        static thread_local std::byte chunk[kReadChunk];
        ssize_t got;
        do {
            got = ::recv(socket_.Get(), chunk, sizeof chunk, MSG_DONTWAIT);
        } while (got < 0 && errno == EINTR);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK)) {
            closed_ = true;
            return;
        }
        if (got > 0 && !KeepInput(std::span(chunk, static_cast<std::size_t>(got)))) {
            closed_ = true;  // the server holds too much input in all: this client is dropped
            return;
        }
    }
    ServeInput(stop);
}

void ServedConnection::OnWritable(const std::atomic<bool>& stop) {
    Flush();
    ServeInput(stop);
}

void ServedConnection::FlushWithoutWaiting() { Flush(); }

bool ServedConnection::KeepInput(std::span<const std::byte> bytes) {
    const std::size_t needed = input_.size() + bytes.size();
    if (needed > inputCharged_) {
        // Grows as a vector would, by doubling, but never reserves more than the frame can use.
        const std::size_t capacity = std::max(needed, std::min(2 * inputCharged_, InputWanted()));
        if (!budget_.Take(capacity - inputCharged_)) return false;
        input_.reserve(capacity);
        inputCharged_ = capacity;
    }
    input_.insert(input_.end(), bytes.begin(), bytes.end());
    return true;
}

std::size_t ServedConnection::InputWanted() const {
    if (input_.size() < wire::kLengthBytes) return kMaxInput;
    return std::min<std::size_t>(kMaxInput, wire::kLengthBytes + wire::GetU32(input_, 0) + kReadChunk);
}

void ServedConnection::ReturnSpareInput() {
    if (input_.capacity() >= inputCharged_) return;
    budget_.Give(inputCharged_ - input_.capacity());
    inputCharged_ = input_.capacity();
}

void ServedConnection::ServeInput(const std::atomic<bool>& stop) {
    std::size_t consumed = 0;
    while (!closed_ && output_.empty() && !stop.load()) {
        std::size_t frameBytes = 0;
        const std::span<const std::byte> rest(input_.data() + consumed, input_.size() - consumed);
        const wire::Scan scan = wire::ScanFrame(rest, wire::kRequestHead, &frameBytes);
        if (scan == wire::Scan::Malformed) {
            closed_ = true;  // the stream cannot be read further
            break;
        }
        if (scan == wire::Scan::Incomplete) break;
        Serve(rest.subspan(wire::kLengthBytes, frameBytes - wire::kLengthBytes));
        consumed += frameBytes;
    }
    input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(consumed));
    if (input_.empty() && input_.capacity() > kKeptCapacity) Bytes().swap(input_);
    ReturnSpareInput();
}

void ServedConnection::Serve(std::span<const std::byte> body) {
    wire::Request request{};
    if (!wire::ParseRequest(body, &request)) {
        Respond(RPC_E_INVALID_DATAPACKET, {});
        return;
    }
    Bytes response;
    HRESULT status = RPC_E_INVALID_DATAPACKET;
    switch (request.kind) {
        case wire::Kind::Activate: status = Activate(request.payload, response); break;
        case wire::Kind::Call: status = Call(request.object, request.method, request.payload, response); break;
        case wire::Kind::Release: status = Release(request.object); break;
    }
    if (FAILED(status)) response.clear();
    Respond(status, response);
}

HRESULT ServedConnection::Activate(std::span<const std::byte> payload, Bytes& response) {
    CLSID clsid{};
    IID iid{};
    if (!wire::ParseActivation(payload, &clsid, &iid)) return RPC_E_INVALID_DATAPACKET;
    if (objects_.size() >= kMaxObjects) return E_OUTOFMEMORY;
    IUnknown* object = nullptr;
    std::unique_ptr<CallTarget> stub;
    if (const HRESULT hr = CreateServed(clsid, iid, &object, &stub); FAILED(hr)) return hr;
    const std::uint32_t id = nextObject_++;
    if (nextObject_ == 0) nextObject_ = 1;
    objects_.push_back({id, object, std::move(stub)});
    wire::PutU32(response, id);
    return S_OK;
}

HRESULT ServedConnection::Call(std::uint32_t object, std::uint32_t method, std::span<const std::byte> payload,
                               Bytes& response) {
    ServedObject* served = Find(object);
    if (!served) return RPC_E_INVALID_OBJECT;
    try {
        served->stub->Dispatch(method, payload, response);
    } catch (...) {
        return RPC_E_SERVERFAULT;
    }
    if (response.size() > kMaxResponsePayload) return RPC_E_SERVER_CANTMARSHAL_DATA;
    return S_OK;
}

HRESULT ServedConnection::Release(std::uint32_t object) {
    const auto it = std::find_if(objects_.begin(), objects_.end(),
                                 [object](const ServedObject& served) { return served.id == object; });
    if (it == objects_.end()) return RPC_E_INVALID_OBJECT;
    ServedObject served = std::move(*it);
    objects_.erase(it);
    served.stub.reset();
    served.object->Release();
    return S_OK;
}

ServedConnection::ServedObject* ServedConnection::Find(std::uint32_t object) {
    for (ServedObject& served : objects_) {
        if (served.id == object) return &served;
    }
    return nullptr;
}

void ServedConnection::Respond(HRESULT status, std::span<const std::byte> payload) {
    output_ = wire::EncodeResponse(status, payload);
    sent_ = 0;
    Flush();
}

void ServedConnection::Flush() {
    while (!closed_ && sent_ < output_.size()) {
        const ssize_t sent = ::send(socket_.Get(), output_.data() + sent_, output_.size() - sent_, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0 && errno == EINTR) continue;
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        if (sent <= 0) {
            closed_ = true;
            return;
        }
        sent_ += static_cast<std::size_t>(sent);
    }
    if (sent_ >= output_.size()) {
        output_.clear();
        sent_ = 0;
    }
}

}  // namespace platform::com
