// The scenes of the sample pictures: each paints its whole picture from a
// seed, and its subject alone, exactly as the scene paints it.
#pragma once

class QPainter;

namespace sd {

void paintCat(QPainter &p, unsigned seed);
void paintCatSubject(QPainter &p);
void paintTrain(QPainter &p, unsigned seed);
void paintTrainSubject(QPainter &p);
void paintFishTank(QPainter &p, unsigned seed);
void paintFishTankSubject(QPainter &p);
void paintFarm(QPainter &p, unsigned seed);
void paintFarmSubject(QPainter &p);
void paintBalloons(QPainter &p, unsigned seed);
void paintBalloonsSubject(QPainter &p);
void paintBoat(QPainter &p, unsigned seed);
void paintBoatSubject(QPainter &p);
void paintRocket(QPainter &p, unsigned seed);
void paintRocketSubject(QPainter &p);
void paintTeddy(QPainter &p, unsigned seed);
void paintTeddySubject(QPainter &p);
void paintButterflies(QPainter &p, unsigned seed);
void paintButterfliesSubject(QPainter &p);
void paintDinosaur(QPainter &p, unsigned seed);
void paintDinosaurSubject(QPainter &p);
void paintLighthouse(QPainter &p, unsigned seed);
void paintLighthouseSubject(QPainter &p);
void paintToyBox(QPainter &p, unsigned seed);
void paintToyBoxSubject(QPainter &p);

} // namespace sd
