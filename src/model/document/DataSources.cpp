// SPDX-License-Identifier: MIT
#include "model/document/DataSources.h"

#include "model/data/ZpData.h"

#include <QHash>
#include <vector>

namespace zp {

namespace {

const QString kPromptText = QStringLiteral("PROMPT");

bool InPass(uint8_t kind, TZpDataPass pass) {
    switch (pass) {
    case TZpDataPass::All:
        return true;
    case TZpDataPass::AllButPrompts:
        return kind != dkPrompt;
    case TZpDataPass::DatabaseFields:
        return kind == dkDatabaseField || kind == dkLink;
    }
    return false;
}

template <class F> void ForEachSource(const TZpObjectList& objects, F f) {
    for (const TZpObjectPtr& obj : objects)
        if (IZpData* data = Supports<IZpData>(obj))
            f(*data);
}

} // namespace

void UpdateDataSources(const TZpObjectList& objects, TZpDataPass pass) {
    std::vector<IZpData*> sources;
    sources.reserve(objects.size());
    ForEachSource(objects, [&sources](IZpData& d) { sources.push_back(&d); });
    // Walking backwards leaves the first source of each name in the table.
    QHash<QString, int> firstByName;
    for (int i = int(sources.size()) - 1; i >= 0; --i)
        if (!sources[size_t(i)]->GetName().isEmpty())
            firstByName.insert(sources[size_t(i)]->GetName(), i);

    std::vector<int> links;
    for (int i = 0; i < int(sources.size()); ++i) {
        IZpData* data = sources[size_t(i)];
        if (!InPass(data->GetKind(), pass))
            continue;
        if (data->GetKind() == dkLink)
            links.push_back(i);
        else
            data->Update();
    }

    // A link whose target is itself a pending link waits for it; following
    // the chain without recursion keeps long chains and cycles harmless.
    enum : uint8_t { Pending, OnChain, Done };
    std::vector<uint8_t> state(sources.size(), Done);
    for (int i : links)
        state[size_t(i)] = Pending;
    std::vector<int> chain;
    for (int i : links) {
        chain.clear();
        int k = i;
        while (k >= 0 && state[size_t(k)] == Pending) {
            state[size_t(k)] = OnChain;
            chain.push_back(k);
            k = firstByName.value(sources[size_t(k)]->GetLinkName(), -1);
        }
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            sources[size_t(*it)]->Update();
            state[size_t(*it)] = Done;
        }
    }
}

void ResetSerials(const TZpObjectList& objects) {
    ForEachSource(objects, [](IZpData& d) { d.ResetSerial(); });
}

void NextSerials(const TZpObjectList& objects) {
    ForEachSource(objects, [](IZpData& d) { d.NextSerial(); });
}

void PreviousSerials(const TZpObjectList& objects) {
    ForEachSource(objects, [](IZpData& d) { d.PreviousSerial(); });
}

void ResetPrompts(const TZpObjectList& objects) {
    for (const TZpObjectPtr& obj : objects) {
        IZpData* data = Supports<IZpData>(obj);
        if (!data || data->GetKind() != dkPrompt)
            continue;
        data->SetText(kPromptText);
        data->SetPromptRemaining(0);
        if (auto* callback = Supports<IZpDataCallback>(obj))
            callback->DataChanged();
    }
}

void SetDataConnections(const TZpObjectList& objects, TZpDataConnections* connections) {
    ForEachSource(objects, [connections](IZpData& d) { d.SetConnections(connections); });
}

bool FindLinkValue(const TZpObjectList& objects, const QString& name, QString& value) {
    // A link that names nothing copies nothing, not the first unnamed object.
    if (name.isEmpty())
        return false;
    for (const TZpObjectPtr& obj : objects) {
        if (IZpData* data = Supports<IZpData>(obj); data && data->GetName() == name) {
            value = data->GetText();
            return true;
        }
    }
    return false;
}

QStringList LinkTargetNames(const TZpObjectList& objects) {
    QStringList names;
    ForEachSource(objects, [&names](IZpData& d) {
        if (d.IsLinkable() && !d.GetName().isEmpty())
            names.append(d.GetName());
    });
    return names;
}

} // namespace zp
