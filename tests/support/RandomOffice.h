#pragma once

#include "OfficeBuilder.h"
#include "model/EngineSettings.h"

#include <QSet>
#include <QString>
#include <memory>
#include <optional>
#include <random>
#include <vector>

namespace rp::test {

// Draws from a fixed seed; the engine's output is the same everywhere, unlike the standard distributions.
class Dice {
public:
    explicit Dice(unsigned seed = 20230110) : rng_(seed) {}
    int operator()(int n) { return int(rng_() % unsigned(n)); }
    bool chance(int percent) { return (*this)(100) < percent; }

private:
    std::mt19937 rng_;
};

// A manual request of a random agent: a slot letter on a day at a site.
struct RandomRequest {
    int day = 0;
    char letter = 'A';
    int site = 0;
};

struct RandomAgent {
    QString initials; // as the generator writes them, padded with "_" to four
    bool team = false;
    std::optional<int> maximum;
    QSet<int> sites;
    QSet<int> offAll, offAM, offPM1, offPM2;
    std::vector<RandomRequest> requests;

    // Whether a day and slot letter is among the agent's days and shifts off.
    bool isOff(int day, QChar letter) const;
};

struct RandomSite {
    int number = 1;
    WeekCounts am{}, pm{}, ev{};
    QSet<int> closed;
    QString link; // the link letter, or empty

    // The slot letters the site opens on a weekday (1 = Sunday), as its counts give them.
    QString letters(int weekday) const;
};

struct RandomOffice {
    int month = 1;
    int year = 2023;
    std::vector<RandomSite> sites;
    std::vector<RandomAgent> agents;

    int days() const;
    // The slot token of a day and letter of the office's month.
    QString token(int day, char letter) const;
    // Whether a request becomes a manual record: its day is in the month and its site one of the office's.
    bool placed(const RandomRequest& r) const;
    // Agent entries of a generation: records plus team copies.
    int entries() const;
    const RandomSite* site(int number) const;
    bool hasLinks() const;
    bool hasTeams() const;
};

// Classic: one to four sites of January 2023, of which 1 and 2 may be linked, one to eight agents with
// distinct initials (some of them teams), maxima, whole days off and up to three manual requests in each
// of their two lists, every one of them placed.
// Varied: any month, sites with closed days and counts outside their ranges, linked pairs, teams, days
// off of every kind, and requests of which some fall outside the month.
enum class RandomShape { Classic, Varied };

// Empties the run's tables, stores a random office in them and sets the month to generate.
RandomOffice makeRandomOffice(Dice& dice, OfficeRun& run, RandomShape shape = RandomShape::Classic);

// A program folder for hundreds of random offices, made in memory where the system offers it, so that
// their generations' files cost little.
std::unique_ptr<OfficeRun> officeRunInMemory(int month = 1, int year = 2023);

// Spacing, once a day, a week and a weekday, and method 1 or 2, drawn as a user could set them (once a day
// also -1, which does not switch it on).
TuneSettings randomRules(Dice& dice);
// Sets the run to the automatic routine, or to rules drawn by randomRules; returns the rules used (the
// defaults for the automatic routine).
TuneSettings useRandomMethod(OfficeRun& run, Dice& dice, bool automatic);

} // namespace rp::test
