#pragma once

#include <functional>
#include <vector>

namespace db {

class DataSet;

// The handlers of one dataset event, run in the order they were added: a data module
// adds its own to those of its base, and neither replaces the other.
class DataSetEvent {
public:
    using Handler = std::function<void(DataSet&)>;

    void add(Handler handler) { handlers_.push_back(std::move(handler)); }
    void run(DataSet& dataSet) const {
        for (size_t i = 0; i < handlers_.size(); ++i) // a handler may add another
            handlers_[i](dataSet);
    }

private:
    std::vector<Handler> handlers_;
};

} // namespace db
