// One client connection of the server loop: its buffers, the objects it activated, and the
// serving of its requests.
//
// Input is read as it arrives and never beyond one frame plus one read chunk, and the memory it
// takes is charged to the loop's input budget (platform/com/input_budget.h): a connection whose
// input would pass the budget is closed. Requests are served one at a time, and while a response waits to be sent the connection reads nothing more (a
// client that does not read its answers holds back only itself). A length out of bounds closes
// the connection; every other fault fails only its request. Destroying the connection destroys
// its stubs and releases its objects. Used only by the loop's thread.
#pragma once

#include "platform/com/channel.h"
#include "platform/com/descriptor.h"
#include "platform/com/input_budget.h"
#include "platform/com/unknown.h"
#include "platform/com/wire.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform::com {

class ServedConnection {
public:
    // `budget` outlives the connection.
    ServedConnection(Descriptor socket, InputBudget& budget) : socket_(std::move(socket)), budget_(budget) {}
    ~ServedConnection();
    ServedConnection(const ServedConnection&) = delete;
    ServedConnection& operator=(const ServedConnection&) = delete;

    [[nodiscard]] int Socket() const { return socket_.Get(); }
    [[nodiscard]] bool Closed() const { return closed_; }
    // True while nothing waits to be sent: then the loop polls for input, else for output.
    [[nodiscard]] bool Idle() const { return output_.empty(); }

    // Reads what has arrived and serves complete requests until `stop` is set or a response
    // cannot be sent at once.
    void OnReadable(const std::atomic<bool>& stop);
    // Sends what waits, then serves requests that arrived meanwhile.
    void OnWritable(const std::atomic<bool>& stop);
    // Sends what can be sent without waiting (a server that ends answers what it already served).
    void FlushWithoutWaiting();

    // Destroys every stub and releases every object of this connection.
    void ReleaseObjects();

private:
    struct ServedObject {
        std::uint32_t id;
        IUnknown* object;  // one reference, released after the stub is destroyed
        std::unique_ptr<CallTarget> stub;
    };

    // Appends `bytes` to the input within the budget; false when they do not fit.
    bool KeepInput(std::span<const std::byte> bytes);
    // The most input the frame being read can use: the frame and one read chunk beyond it.
    std::size_t InputWanted() const;
    // Gives back to the budget what the input buffer no longer reserves.
    void ReturnSpareInput();
    void ServeInput(const std::atomic<bool>& stop);
    void Serve(std::span<const std::byte> body);
    HRESULT Activate(std::span<const std::byte> payload, Bytes& response);
    HRESULT Call(std::uint32_t object, std::uint32_t method, std::span<const std::byte> payload, Bytes& response);
    HRESULT Release(std::uint32_t object);
    ServedObject* Find(std::uint32_t object);
    void Respond(HRESULT status, std::span<const std::byte> payload);
    void Flush();

    Descriptor socket_;
    InputBudget& budget_;
    Bytes input_;
    std::size_t inputCharged_ = 0;  // what input_ has taken from the budget
    Bytes output_;
    std::size_t sent_ = 0;
    std::vector<ServedObject> objects_;
    std::uint32_t nextObject_ = 1;
    bool closed_ = false;
};

}  // namespace platform::com
