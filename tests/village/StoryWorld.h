#pragma once

#include "platform/SingleInstance.h"
#include "support/HeroWorld.h"
#include "support/RecordingMessages.h"
#include "village/Eventdata.h"
#include "village/Eventoperator.h"
#include "village/Peoplebase.h"
#include "village/Peopledata.h"
#include "world/DataFile.h"

#include <memory>
#include <string>
#include <vector>

// The story as the game holds it, over the heroine's world: the people and
// the stages of the given files, with every message the seam is shown
// recorded. Stage scripts give and take her items and change the people's
// talks.
class TStoryWorld {
public:
    TStoryWorld(const std::vector<TEvent>& events, const std::vector<TPeopleImp>& people) {
        Save(WriteEventData, events, EventDataFile);
        Save(WritePeopleData, people, PeopleDataFile);
        peopleBase = std::make_unique<TScopedInstance<TPeopleBase>>(heroes.Factory());
        eventOperator = std::make_unique<TScopedInstance<TEventOperator>>();
        Events().LoadEvents();
    }

    TEventOperator& Events() const { return TEventOperator::Instance(); }
    TPeopleBase& People() const { return TPeopleBase::Instance(); }
    const std::vector<std::string>& Messages() const { return messages.Seam().messages; }

    THeroWorld heroes;
    TRecordingMessages messages;

private:
    template <typename TWrite, typename TData>
    static void Save(TWrite write, const TData& data, std::string_view sjisName) {
        TDataWriter writer;
        write(writer, data);
        writer.SaveTo(sjisName);
    }

    std::unique_ptr<TScopedInstance<TPeopleBase>> peopleBase;
    std::unique_ptr<TScopedInstance<TEventOperator>> eventOperator;
};

// A stage record that needs `needed` conditions and runs `script` when entered.
inline TEvent Stage(std::int32_t needed, std::string script = {}) {
    return TEvent{{}, needed, std::move(script)};
}
