"""Medicines of the suggestion evaluation set: a formulary of real generic names with their usual
presentations, and the ways a PhilHealth list and hospital masters write them.

Written for this project from general pharmacy knowledge (the presentations follow common formulary
usage); no product register was copied. Drugs of one class sit together so that look-alike names share
strengths and forms.

One drug a line: "generic[;salt] | presentation | presentation ...". A presentation is
"form[+qualifier] kind values [: packs]":
  form       tab cap susp syr drops amp vial inf cream oint gel lotion neb inh nasal sach supp eyedrops
             eardrops eyeoint vagtab vagcream pfs gran soln
  qualifier  mr chew dt sl eff ec conc
  kind       mg mcg g iu (an amount), mg5 (per 5 mL), mgml mcgml iuml meqml (per mL), pct (%), mgg iug
             (per g), mcgdose (per dose), combo (a/b mg), combo5 (a/b mg per 5 mL), pct2 (a/b %, two
             ingredients of an infusion); an amount of 0 names no strength (multivitamins)
  packs      mL of a bottle, ampule or bag; g of a tube
"""

FORMULARY = """
losartan;potassium | tab mg 25 50 100
valsartan | tab mg 40 80 160
irbesartan | tab mg 75 150 300
telmisartan | tab mg 20 40 80
candesartan;cilexetil | tab mg 8 16
olmesartan;medoxomil | tab mg 20 40
losartan + hydrochlorothiazide | tab combo 50/12.5 100/25
telmisartan + amlodipine | tab combo 40/5 80/5
captopril | tab mg 25 50
enalapril;maleate | tab mg 5 10 20
lisinopril | tab mg 5 10 20
ramipril | tab mg 2.5 5 10 | cap mg 5 10
perindopril;arginine | tab mg 5 10
amlodipine;besilate | tab mg 5 10
felodipine | tab+mr mg 5 10
nifedipine | tab+mr mg 20 30 60 | cap mg 5 10
nicardipine;hydrochloride | amp mgml 1 : 10 | tab mg 20 40
diltiazem;hydrochloride | tab mg 60 | tab+mr mg 90 120 180
verapamil;hydrochloride | tab mg 40 80 | tab+mr mg 240
metoprolol;tartrate | tab mg 50 100 | tab+mr mg 25 50 100
atenolol | tab mg 25 50 100
bisoprolol;fumarate | tab mg 2.5 5 10
propranolol;hydrochloride | tab mg 10 40
carvedilol | tab mg 6.25 12.5 25
furosemide | tab mg 20 40 | amp mgml 10 : 2 4
hydrochlorothiazide | tab mg 12.5 25 50
spironolactone | tab mg 25 50 100
indapamide | tab+mr mg 1.5 | tab mg 2.5
clonidine;hydrochloride | tab mcg 75 150
hydralazine;hydrochloride | amp mgml 20 : 1 | tab mg 25 50
methyldopa | tab mg 250 500
atorvastatin;calcium | tab mg 10 20 40 80
rosuvastatin;calcium | tab mg 5 10 20 40
simvastatin | tab mg 10 20 40
pravastatin;sodium | tab mg 10 20 40
fenofibrate | cap mg 160 200 300
clopidogrel;bisulfate | tab mg 75
aspirin | tab mg 80 325 | tab+ec mg 80 100
cilostazol | tab mg 50 100
trimetazidine;dihydrochloride | tab+mr mg 35 | tab mg 20
isosorbide dinitrate | tab+sl mg 5 | tab mg 10
isosorbide mononitrate | tab+mr mg 30 60
digoxin | tab mcg 250 | amp mcgml 250 : 2
amiodarone;hydrochloride | tab mg 200 | amp mgml 50 : 3
warfarin;sodium | tab mg 1 2.5 5
rivaroxaban | tab mg 10 15 20
heparin;sodium | vial iuml 1000 5000 : 5 10
enoxaparin;sodium | pfs combo 40/0.4 60/0.6
tranexamic acid | amp mgml 100 : 5 | cap mg 250 500
phytomenadione | amp mgml 10 : 1 | amp mgml 2 : 0.5
metformin;hydrochloride | tab mg 500 850 1000 | tab+mr mg 500 750 1000
gliclazide | tab mg 80 | tab+mr mg 30 60
glimepiride | tab mg 1 2 3 4
glibenclamide | tab mg 2.5 5
glipizide | tab mg 5 10
sitagliptin;phosphate | tab mg 25 50 100
vildagliptin | tab mg 50
linagliptin | tab mg 5
pioglitazone;hydrochloride | tab mg 15 30
sitagliptin + metformin | tab combo 50/500 50/850 50/1000
insulin human regular | vial iuml 100 : 10
insulin human isophane | vial iuml 100 : 10
insulin glargine | pfs iuml 100 : 3
levothyroxine;sodium | tab mcg 25 50 75 100
methimazole | tab mg 5 10
propylthiouracil | tab mg 50
omeprazole | cap mg 20 40 | vial mg 40
esomeprazole;magnesium | tab mg 20 40 | vial mg 40
pantoprazole;sodium | tab mg 20 40 | vial mg 40
lansoprazole | cap mg 15 30
rabeprazole;sodium | tab mg 10 20
famotidine | tab mg 20 40
ranitidine;hydrochloride | tab mg 150 300 | amp mgml 25 : 2
metoclopramide;hydrochloride | tab mg 10 | amp mgml 5 : 2
domperidone | tab mg 10 | susp mg5 5 : 60
ondansetron;hydrochloride | tab mg 4 8 | amp mgml 2 : 2 4
loperamide;hydrochloride | cap mg 2
hyoscine;butylbromide | tab mg 10 | amp mgml 20 : 1
lactulose | syr mg5 3300 : 60 120
bisacodyl | tab+ec mg 5 | supp mg 5 10
simethicone | tab+chew mg 40 80 | drops mgml 40 : 15
sucralfate | tab mg 1000 | susp mg5 1000 : 200
ursodeoxycholic acid | cap mg 250 | tab mg 300
oral rehydration salts | sach g 4.1 20.5
aluminum hydroxide + magnesium hydroxide | susp combo5 225/200 : 120 | tab+chew combo 200/400
amoxicillin;trihydrate | cap mg 250 500 | susp mg5 125 250 : 60 100 | drops mgml 100 : 15 | tab+dt mg 250
ampicillin;sodium | vial mg 250 500 1000 | cap mg 250 500
cloxacillin;sodium | cap mg 250 500 | susp mg5 125 : 60
amoxicillin + clavulanic acid | tab combo 500/125 875/125 | susp combo5 250/62.5 400/57 : 60 70 | vial combo 1000/200
ampicillin + sulbactam | vial combo 1000/500 500/250 | tab mg 375 750
piperacillin + tazobactam | vial combo 4000/500 2000/250
cefalexin | cap mg 250 500 | susp mg5 125 250 : 60
cefadroxil | cap mg 500 | susp mg5 125 250 : 60
cefuroxime;axetil | tab mg 250 500 | vial mg 750 1500 | susp mg5 125 250 : 50 70
cefaclor | cap mg 250 500 | susp mg5 125 250 : 60
cefixime | cap mg 200 400 | susp mg5 100 : 30 60
cefpodoxime;proxetil | tab mg 100 200 | susp mg5 40 100 : 50
ceftriaxone;disodium | vial mg 250 500 1000 2000
cefotaxime;sodium | vial mg 500 1000
ceftazidime | vial mg 1000 2000
cefazolin;sodium | vial mg 500 1000
cefepime;hydrochloride | vial mg 1000 2000
cefoxitin;sodium | vial mg 1000
meropenem | vial mg 500 1000
imipenem + cilastatin | vial combo 500/500
vancomycin;hydrochloride | vial mg 500 1000
azithromycin;dihydrate | tab mg 250 500 | susp mg5 200 : 15 30 | vial mg 500
clarithromycin | tab mg 250 500 | susp mg5 125 250 : 50 70 | tab+mr mg 500
erythromycin;stearate | tab mg 250 500 | susp mg5 200 : 60
ciprofloxacin;hydrochloride | tab mg 250 500 750 | inf mgml 2 : 100 | eyedrops pct 0.3 : 5
levofloxacin | tab mg 250 500 750 | inf mgml 5 : 100 150
ofloxacin | tab mg 200 400 | eyedrops pct 0.3 : 5 | eardrops pct 0.3 : 5
moxifloxacin;hydrochloride | tab mg 400 | eyedrops pct 0.5 : 5
doxycycline;hyclate | cap mg 100
tetracycline;hydrochloride | cap mg 250 500 | eyeoint pct 1 : 3.5
metronidazole | tab mg 250 500 | susp mg5 125 : 60 | inf mgml 5 : 100 | vagtab mg 500
clindamycin;hydrochloride | cap mg 150 300 | amp mgml 150 : 2 4
cotrimoxazole | tab combo 400/80 800/160 | susp combo5 200/40 : 60 120
nitrofurantoin | cap mg 50 100
gentamicin;sulfate | amp mgml 40 : 2 | eyedrops pct 0.3 : 5 | cream pct 0.1 : 15
amikacin;sulfate | vial mgml 250 : 2 | amp mgml 125 : 2
chloramphenicol | cap mg 250 500 | eyedrops pct 0.5 : 5 | eardrops pct 5 : 10 | vial mg 1000
tobramycin | eyedrops pct 0.3 : 5 | eyeoint pct 0.3 : 3.5
tobramycin + dexamethasone | eyedrops combo 3/1 : 5
fluconazole | cap mg 50 150 200 | inf mgml 2 : 100
ketoconazole | tab mg 200 | cream pct 2 : 15 | shampoo pct 2 : 60
clotrimazole | cream pct 1 : 10 20 | vagtab mg 100 500 | vagcream pct 1 2 : 20
miconazole;nitrate | cream pct 2 : 15 | vagcream pct 2 : 20 | gel pct 2 : 20
terbinafine;hydrochloride | tab mg 250 | cream pct 1 : 15
nystatin | susp iuml 100000 : 30 | vagtab iu 100000
itraconazole | cap mg 100
acyclovir | tab mg 200 400 800 | cream pct 5 : 5 | susp mg5 200 : 120 | eyeoint pct 3 : 4.5
valacyclovir;hydrochloride | tab mg 500 1000
oseltamivir;phosphate | cap mg 30 45 75
isoniazid | tab mg 100 300 | syr mg5 200 : 120
rifampicin | cap mg 150 300 450 | susp mg5 200 : 120
pyrazinamide | tab mg 500 | susp mg5 250 : 120
ethambutol;hydrochloride | tab mg 400
chloroquine;phosphate | tab mg 250
primaquine;phosphate | tab mg 15
hydroxychloroquine;sulfate | tab mg 200
artemether + lumefantrine | tab combo 20/120
albendazole | tab mg 400 | tab+chew mg 400 | susp mg5 200 : 10 20
mebendazole | tab+chew mg 100 500 | susp mg5 100 : 30
praziquantel | tab mg 600
paracetamol | tab mg 325 500 650 | syr mg5 120 250 : 60 120 | drops mgml 100 : 15 | amp mgml 150 : 2 | inf mgml 10 : 50 100 | supp mg 125 250
ibuprofen | tab mg 200 400 | susp mg5 100 200 : 60 120 | cap mg 200
mefenamic acid | cap mg 250 500 | tab mg 500 | susp mg5 50 : 60
diclofenac;sodium | tab mg 50 | tab+ec mg 25 50 | tab+mr mg 75 100 | amp mgml 25 : 3 | gel pct 1 : 20 50
diclofenac;potassium | tab mg 25 50
naproxen;sodium | tab mg 275 550
celecoxib | cap mg 100 200 400
etoricoxib | tab mg 60 90 120
ketorolac;tromethamine | tab mg 10 | amp mgml 30 : 1
meloxicam | tab mg 7.5 15
piroxicam | cap mg 10 20
indomethacin | cap mg 25
tramadol;hydrochloride | cap mg 50 | amp mgml 50 : 2 | tab+mr mg 100
tramadol + paracetamol | tab combo 37.5/325
morphine;sulfate | amp mgml 10 : 1 | tab+mr mg 10 30
nalbuphine;hydrochloride | amp mgml 10 : 1
codeine;phosphate | tab mg 30
pethidine;hydrochloride | amp mgml 50 : 2
colchicine | tab mg 0.5
allopurinol | tab mg 100 300
febuxostat | tab mg 40 80
cetirizine;dihydrochloride | tab mg 10 | syr mg5 5 : 30 60 | drops mgml 10 : 10
levocetirizine;dihydrochloride | tab mg 5 | syr mg5 2.5 : 60
loratadine | tab mg 10 | syr mg5 5 : 60
desloratadine | tab mg 5 | syr mg5 2.5 : 60
fexofenadine;hydrochloride | tab mg 60 120 180
chlorphenamine;maleate | tab mg 4 | syr mg5 2.5 : 60
diphenhydramine;hydrochloride | cap mg 25 50 | amp mgml 50 : 1
hydroxyzine;dihydrochloride | tab mg 10 25 | syr mg5 10 : 60
salbutamol;sulfate | tab mg 2 4 | syr mg5 2 : 60 120 | neb combo 2.5/2.5 | inh mcgdose 100
ipratropium;bromide | neb mcgml 250 : 2 | inh mcgdose 20
ipratropium + salbutamol | neb combo 0.5/2.5
budesonide | neb mcgml 250 500 : 2 | inh mcgdose 100 200 | nasal mcgdose 64
fluticasone;propionate | inh mcgdose 50 125 250 | nasal mcgdose 50 | cream pct 0.05 : 15
salmeterol + fluticasone | inh combo 25/50 25/125 25/250
budesonide + formoterol | inh combo 160/4.5 320/9
montelukast;sodium | tab mg 10 | tab+chew mg 4 5 | gran mg 4
ambroxol;hydrochloride | tab mg 30 | syr mg5 15 30 : 60 | drops mgml 6 : 15
carbocisteine | cap mg 500 | syr mg5 100 250 : 60
acetylcysteine | sach mg 200 600 | tab+eff mg 600
guaifenesin | syr mg5 100 : 60
theophylline | tab+mr mg 200 300
lagundi | tab mg 300 600 | syr mg5 300 : 60
prednisone | tab mg 5 10 20
prednisolone | syr mg5 15 : 60 | eyedrops pct 1 : 5 | tab mg 5 20
methylprednisolone;sodium succinate | vial mg 40 125 500 | tab mg 4 16
dexamethasone;sodium phosphate | amp mgml 4 5 : 1 | tab mg 0.5 4 | eyedrops pct 0.1 : 5
hydrocortisone;sodium succinate | vial mg 100 250 | cream pct 1 : 5 15
betamethasone;valerate | cream pct 0.1 : 15 | oint pct 0.1 : 15
betamethasone;dipropionate | cream pct 0.05 : 15 | lotion pct 0.05 : 30
clobetasol;propionate | cream pct 0.05 : 15 | oint pct 0.05 : 15
mometasone;furoate | cream pct 0.1 : 5 15 | nasal mcgdose 50
triamcinolone;acetonide | cream pct 0.1 : 5 | amp mgml 40 : 1
phenytoin;sodium | cap mg 100 | amp mgml 50 : 2 | susp mg5 125 : 120
carbamazepine | tab mg 200 | tab+mr mg 200 400 | susp mg5 100 : 100
valproic acid | cap mg 250 | syr mg5 250 : 120 | tab+mr mg 500
levetiracetam | tab mg 250 500 1000 | amp mgml 100 : 5 | soln mgml 100 : 300
lamotrigine | tab mg 25 50 100 | tab+dt mg 5 25
phenobarbital;sodium | tab mg 15 30 60 | amp mgml 130 : 1
gabapentin | cap mg 100 300 400
pregabalin | cap mg 25 50 75 150
clonazepam | tab mg 0.5 2
diazepam | tab mg 2 5 10 | amp mgml 5 : 2
midazolam;hydrochloride | amp mgml 1 5 : 5 3
alprazolam | tab mg 0.25 0.5
zolpidem;tartrate | tab mg 10 | tab+mr mg 6.25 12.5
sertraline;hydrochloride | tab mg 50 100
fluoxetine;hydrochloride | cap mg 20
escitalopram;oxalate | tab mg 10 20
paroxetine;hydrochloride | tab mg 20
amitriptyline;hydrochloride | tab mg 10 25
haloperidol | tab mg 0.5 1.5 5 | amp mgml 5 : 1
risperidone | tab mg 1 2 | soln mgml 1 : 30
olanzapine | tab mg 5 10 | tab+dt mg 5 10
quetiapine;fumarate | tab mg 25 100 200 | tab+mr mg 50 200 300
chlorpromazine;hydrochloride | tab mg 100 200 | amp mgml 25 : 2
lithium carbonate | tab mg 300 | tab+mr mg 450
folic acid | tab mg 1 5
ferrous sulfate | tab mg 325 | syr mg5 150 : 60 | drops mgml 75 : 15
ferrous sulfate + folic acid | tab combo 325/0.25
zinc;sulfate | syr mg5 20 : 60 | tab+dt mg 20
calcium carbonate | tab mg 500 1250 | tab+chew mg 500
calcium carbonate + vitamin d3 | tab combo 600/0.01
ascorbic acid | tab mg 500 | syr mg5 100 : 60 120 | drops mgml 100 : 15 | amp mgml 250 : 2
vitamin b1 + b6 + b12 | tab combo 100/5/0.05 | amp combo 100/100/1
retinol | cap iu 100000 200000
cholecalciferol | cap iu 1000 | drops iuml 400 : 10
potassium chloride | tab+mr mg 600 750 | vial+conc meqml 2 : 20 | syr mg5 1000 : 120
sodium bicarbonate | tab mg 650 | amp pct 8.4 : 50
magnesium sulfate | amp pct 50 : 10 2 | amp pct 20 : 10
calcium gluconate | amp pct 10 : 10
sodium chloride | inf pct 0.9 : 250 500 1000 | inf pct 0.45 : 500 | inf pct 3 : 500 | amp pct 0.9 : 10 | nasal pct 0.65 : 30
dextrose | inf pct 5 : 250 500 1000 | inf pct 10 : 500 | vial pct 50 : 50
dextrose in lactated ringer's | inf pct 5 : 500 1000
dextrose + sodium chloride | inf pct2 5/0.9 5/0.3 5/0.45 : 500 1000
lactated ringer's solution | inf mgml 0 : 500 1000
mannitol | inf pct 20 : 250 500
sterile water for injection | amp mgml 0 : 5 10 | inf mgml 0 : 1000
albumin human | vial pct 20 25 : 50 100
epinephrine;hydrochloride | amp mgml 1 : 1
norepinephrine;bitartrate | amp mgml 1 : 4
dopamine;hydrochloride | amp mgml 40 : 5
dobutamine;hydrochloride | amp mgml 12.5 : 20
atropine;sulfate | amp mgml 1 : 1 | amp mgml 0.5 : 1
adenosine | amp mgml 3 : 2
nitroglycerin | tab+sl mcg 400 | amp mgml 5 : 5 10
lidocaine;hydrochloride | vial pct 1 2 : 20 50 | spray pct 10 : 50 | gel pct 2 : 30 | amp pct 2 : 5
bupivacaine;hydrochloride | amp pct 0.5 : 4 10 | vial pct 0.25 : 20
propofol | amp mgml 10 : 20 | vial mgml 10 : 50
ketamine;hydrochloride | vial mgml 50 : 10
oxytocin | amp iuml 10 : 1
methylergometrine;maleate | amp mcgml 200 : 1 | tab mcg 125
misoprostol | tab mcg 200
progesterone | cap mg 100 200 | vagtab mg 200
dydrogesterone | tab mg 10
terbutaline;sulfate | amp mcgml 500 : 1 | tab mg 2.5
tamsulosin;hydrochloride | cap+mr mcg 200 400
finasteride | tab mg 5
doxazosin;mesylate | tab mg 2 4
mupirocin | oint pct 2 : 5 15 | cream pct 2 : 15
fusidic acid | cream pct 2 : 5 15 | oint pct 2 : 15
silver sulfadiazine | cream pct 1 : 25 50 500
permethrin | cream pct 5 : 30 | lotion pct 1 : 60
tretinoin | cream pct 0.025 0.05 : 20
benzoyl peroxide | gel pct 2.5 5 : 15 30
urea | cream pct 10 20 : 40
neomycin + polymyxin b + bacitracin | oint combo 3.5/5000/400 : 15
povidone-iodine | soln pct 10 : 60 120 1000 | oint pct 10 : 20
timolol;maleate | eyedrops pct 0.25 0.5 : 5
latanoprost | eyedrops pct 0.005 : 2.5
tropicamide | eyedrops pct 0.5 1 : 10
hypromellose | eyedrops pct 0.3 : 10 15
tetanus toxoid | amp mgml 0 : 0.5
hepatitis b vaccine | vial mcgml 20 : 1 | vial mcgml 10 : 0.5
activated charcoal | powder g 50 | tab mg 250
thiamine;hydrochloride | tab mg 100 | amp mgml 100 : 1
pyridoxine;hydrochloride | tab mg 50 | amp mgml 100 : 1
cyanocobalamin | amp mcgml 1000 : 1 | tab mcg 500
mecobalamin | tab mcg 500 | amp mcgml 500 : 1
tocopherol | cap iu 400
nimodipine | tab mg 30
lercanidipine;hydrochloride | tab mg 10 20
benazepril;hydrochloride | tab mg 5 10 20
quinapril;hydrochloride | tab mg 10 20
trandolapril | tab mg 2 4
nebivolol;hydrochloride | tab mg 5
labetalol;hydrochloride | tab mg 100 200 | amp mgml 5 : 20
sotalol;hydrochloride | tab mg 80 160
esmolol;hydrochloride | vial mgml 10 : 10
pitavastatin;calcium | tab mg 1 2 4
lovastatin | tab mg 20 40
ezetimibe | tab mg 10
gemfibrozil | cap mg 300 | tab mg 600
ticagrelor | tab mg 90
prasugrel;hydrochloride | tab mg 5 10
apixaban | tab mg 2.5 5
dabigatran;etexilate | cap mg 110 150
fondaparinux;sodium | pfs mgml 5 : 0.5
ivabradine;hydrochloride | tab mg 5 7.5
ranolazine | tab+mr mg 500 1000
torsemide | tab mg 10 20
bumetanide | tab mg 1 | amp mgml 0.5 : 4
metolazone | tab mg 2.5 5
chlorthalidone | tab mg 25 50
amiloride;hydrochloride | tab mg 5
acetazolamide | tab mg 250
propafenone;hydrochloride | tab mg 150 300
acarbose | tab mg 50 100
dapagliflozin;propanediol | tab mg 5 10
empagliflozin | tab mg 10 25
saxagliptin;hydrochloride | tab mg 2.5 5
carbimazole | tab mg 5 20
cimetidine | tab mg 200 400 | amp mgml 100 : 2
nizatidine | cap mg 150 300
granisetron;hydrochloride | tab mg 1 2 | amp mgml 1 : 3
itopride;hydrochloride | tab mg 50
mebeverine;hydrochloride | tab mg 135 | cap+mr mg 200
drotaverine;hydrochloride | tab mg 40 80 | amp mgml 20 : 2
racecadotril | cap mg 100 | sach mg 10 30
mesalazine | tab+ec mg 400 800 | supp mg 500 1000
sulfasalazine | tab+ec mg 500
rifaximin | tab mg 200 550
linezolid | tab mg 600 | inf mgml 2 : 300
teicoplanin | vial mg 200 400
ertapenem;sodium | vial mg 1000
aztreonam | vial mg 1000
cefoperazone;sodium | vial mg 1000 2000
cefradine | cap mg 250 500 | vial mg 500 1000
cefdinir | cap mg 300 | susp mg5 125 : 60
cefprozil | tab mg 250 500 | susp mg5 125 250 : 60
roxithromycin | tab mg 150 300
spiramycin | tab iu 1500000 3000000
lincomycin;hydrochloride | cap mg 500 | amp mgml 300 : 2
minocycline;hydrochloride | cap mg 50 100
norfloxacin | tab mg 400
tinidazole | tab mg 500
secnidazole | tab mg 500 1000
fosfomycin;trometamol | sach g 3
colistimethate;sodium | vial iu 1000000 2000000
voriconazole | tab mg 50 200 | vial mg 200
griseofulvin | tab mg 125 500
econazole;nitrate | cream pct 1 : 15 | vagtab mg 150
sertaconazole;nitrate | cream pct 2 : 15
isoconazole;nitrate | cream pct 1 : 20
lamivudine | tab mg 100 150
tenofovir;disoproxil fumarate | tab mg 300
entecavir | tab mg 0.5 1
famciclovir | tab mg 125 250 500
ganciclovir;sodium | vial mg 500
ivermectin | tab mg 3 6
pyrantel;pamoate | susp mg5 125 250 : 10 | tab mg 125
artesunate | vial mg 60
quinine;sulfate | tab mg 300 | amp mgml 300 : 2
lorazepam | tab mg 1 2 | amp mgml 2 4 : 1
bromazepam | tab mg 1.5 3 6
aripiprazole | tab mg 5 10 15
clozapine | tab mg 25 100
paliperidone | tab+mr mg 3 6 9
fluphenazine;decanoate | amp mgml 25 : 1
trifluoperazine;hydrochloride | tab mg 1 5
citalopram;hydrobromide | tab mg 20 40
venlafaxine;hydrochloride | cap+mr mg 75 150
duloxetine;hydrochloride | cap mg 30 60
mirtazapine | tab mg 15 30
trazodone;hydrochloride | tab mg 50 100
imipramine;hydrochloride | tab mg 10 25
oxcarbazepine | tab mg 300 600 | susp mgml 60 : 100
topiramate | tab mg 25 50 100
lacosamide | tab mg 50 100 | vial mgml 10 : 20
clobazam | tab mg 10
ebastine | tab mg 10 20
rupatadine;fumarate | tab mg 10
bilastine | tab mg 20
promethazine;hydrochloride | tab mg 25 | amp mgml 25 : 2
cyproheptadine;hydrochloride | tab mg 4 | syr mg5 2 : 60
dimenhydrinate | tab mg 50 | amp mgml 50 : 1
meclizine;hydrochloride | tab mg 12.5 25
betahistine;dihydrochloride | tab mg 8 16 24
cinnarizine | tab mg 25 75
flunarizine;dihydrochloride | cap mg 5 10
deflazacort | tab mg 6 30
fludrocortisone;acetate | tab mg 0.1
aceclofenac | tab mg 100
dexketoprofen;trometamol | tab mg 25 | amp mgml 25 : 2
ketoprofen | cap mg 50 100 | gel pct 2.5 : 30
nabumetone | tab mg 500 750
parecoxib;sodium | vial mg 40
lornoxicam | tab mg 4 8 | vial mg 8
eperisone;hydrochloride | tab mg 50
orphenadrine;citrate | tab mg 100 | amp mgml 30 : 2
tizanidine;hydrochloride | tab mg 2 4
baclofen | tab mg 10 25
methocarbamol | tab mg 500 750
fentanyl;citrate | amp mcgml 50 : 2 10
nalbuphine + naloxone | amp combo 10/0.2
naloxone;hydrochloride | amp mgml 0.4 : 1
flumazenil | amp mgml 0.1 : 5
neostigmine;methylsulfate | amp mgml 0.5 2.5 : 1
glycopyrronium;bromide | amp mgml 0.2 : 1
rocuronium;bromide | vial mgml 10 : 5
vecuronium;bromide | vial mg 4 10
atracurium;besilate | amp mgml 10 : 2.5 5
succinylcholine;chloride | vial mgml 20 : 10
dexmedetomidine;hydrochloride | vial mcgml 100 : 2
ropivacaine;hydrochloride | amp mgml 2 7.5 : 10 20
levobupivacaine;hydrochloride | amp mgml 5 : 10
tiotropium;bromide | inh mcgdose 18 2.5
formoterol;fumarate | inh mcgdose 12
aminophylline | amp mgml 25 : 10 | tab mg 225
doxofylline | tab mg 400 | amp mgml 20 : 10
bromhexine;hydrochloride | tab mg 8 | syr mg5 4 : 60
dextromethorphan;hydrobromide | syr mg5 15 : 60
butamirate;citrate | syr mg5 7.5 : 100 | drops mgml 5 : 20
erdosteine | cap mg 300 | susp mg5 175 : 60
epoetin alfa | pfs iuml 4000 10000 : 1 0.5
iron sucrose | amp mgml 20 : 5
ferric carboxymaltose | vial mgml 50 : 10
hydroxyurea | cap mg 500
methotrexate;sodium | tab mg 2.5 | vial mgml 25 : 2
tamoxifen;citrate | tab mg 10 20
anastrozole | tab mg 1
letrozole | tab mg 2.5
azathioprine | tab mg 50
mycophenolate;mofetil | tab mg 500 | cap mg 250
tacrolimus | cap mg 0.5 1 5
cyclosporine | cap mg 25 100
alendronate;sodium | tab mg 70
risedronate;sodium | tab mg 35
calcitriol | cap mcg 0.25 0.5
alfacalcidol | cap mcg 0.25 1
estradiol;valerate | tab mg 1 2
medroxyprogesterone;acetate | tab mg 5 10 | vial mgml 150 : 1
norethisterone | tab mg 5
cabergoline | tab mg 0.5
bromocriptine;mesylate | tab mg 2.5
clomifene;citrate | tab mg 50
donepezil;hydrochloride | tab mg 5 10
memantine;hydrochloride | tab mg 10 20
piracetam | tab mg 800 1200 | amp mgml 200 : 5 15
citicoline;sodium | amp mgml 125 250 : 2 4 | tab mg 500
levodopa + carbidopa | tab combo 250/25 100/25
pramipexole;dihydrochloride | tab mg 0.25 1
biperiden;hydrochloride | tab mg 2 | amp mgml 5 : 1
trihexyphenidyl;hydrochloride | tab mg 2 5
solifenacin;succinate | tab mg 5 10
tolterodine;tartrate | tab mg 1 2
oxybutynin;chloride | tab mg 5
alfuzosin;hydrochloride | tab+mr mg 10
dutasteride | cap mg 0.5
brimonidine;tartrate | eyedrops pct 0.2 : 5
dorzolamide;hydrochloride | eyedrops pct 2 : 5
travoprost | eyedrops pct 0.004 : 2.5
cyclopentolate;hydrochloride | eyedrops pct 1 : 15
natamycin | eyedrops pct 5 : 15
desonide | cream pct 0.05 : 15
fluocinolone;acetonide | cream pct 0.025 : 15
calcipotriol | oint pct 0.005 : 30
adapalene | gel pct 0.1 : 15 30
clindamycin;phosphate | gel pct 1 : 15
salicylic acid | oint pct 2 5 : 30
hydroquinone | cream pct 2 4 : 15 30
zinc oxide | oint pct 20 : 30
calamine | lotion pct 15 : 60 120
sevoflurane | soln mgml 0 : 250
protamine;sulfate | amp mgml 10 : 5
vasopressin | amp iuml 20 : 1
calcium chloride | amp pct 10 : 10
multivitamins | syr mgml 0 : 60 120 | cap mg 0 | drops mgml 0 : 15
vitamin b complex | tab mg 0 | amp mgml 0 : 2
"""

# The generic names that masters and lists write in another accepted spelling.
SPELLINGS = {
    "paracetamol": ["acetaminophen"],
    "salbutamol": ["albuterol"],
    "epinephrine": ["adrenaline"],
    "norepinephrine": ["noradrenaline"],
    "lidocaine": ["lignocaine"],
    "glibenclamide": ["glyburide"],
    "chlorphenamine": ["chlorpheniramine"],
    "cefalexin": ["cephalexin"],
    "cefadroxil": ["cephadroxil"],
    "acyclovir": ["aciclovir"],
    "furosemide": ["frusemide"],
    "rifampicin": ["rifampin"],
    "phytomenadione": ["phytonadione", "vitamin k1"],
    "amoxicillin": ["amoxycillin"],
    "cotrimoxazole": ["co-trimoxazole", "sulfamethoxazole + trimethoprim"],
    "amoxicillin + clavulanic acid": ["co-amoxiclav", "amoxicillin + potassium clavulanate"],
    "hydrochlorothiazide": ["hctz"],
    "isoniazid": ["inh"],
    "potassium chloride": ["kcl"],
    "sodium chloride": ["nacl"],
    "sodium bicarbonate": ["nahco3", "sodium bicarb"],
    "magnesium sulfate": ["mgso4", "magnesium sulphate"],
    "ferrous sulfate": ["ferrous sulphate", "feso4"],
    "valproic acid": ["sodium valproate"],
    "retinol": ["vitamin a"],
    "cholecalciferol": ["vitamin d3"],
    "ascorbic acid": ["vitamin c"],
    "hyoscine": ["scopolamine"],
    "methylergometrine": ["methylergonovine"],
    "pethidine": ["meperidine"],
    "nitroglycerin": ["glyceryl trinitrate"],
    "vitamin b1 + b6 + b12": ["b1 + b6 + b12", "thiamine + pyridoxine + cyanocobalamin", "vit b1-b6-b12"],
    "thiamine": ["vitamin b1"],
    "pyridoxine": ["vitamin b6"],
    "cyanocobalamin": ["vitamin b12"],
    "tocopherol": ["vitamin e"],
    "multivitamins": ["multivitamin", "multi-vitamins", "mvi"],
    "vitamin b complex": ["b-complex", "vit b complex"],
    "glycopyrronium": ["glycopyrrolate"],
    "succinylcholine": ["suxamethonium"],
    "clomifene": ["clomiphene"],
    "colistimethate": ["colistin"],
}

# Infusions that wards call by their short names (the tuning part only).
FLUID_NAMES = {
    ("dextrose in lactated ringer's", "5"): ["D5LR", "D5 LR", "D5LRS"],
    ("dextrose", "5"): ["D5W", "D5 W"],
    ("dextrose", "10"): ["D10W"],
    ("dextrose", "50"): ["D50W", "D50"],
    ("sodium chloride", "0.9"): ["PNSS", "NSS", "normal saline", "PNSS 0.9%"],
    ("dextrose + sodium chloride", "5/0.9"): ["D5NSS", "D5 0.9 NaCl", "D5NS"],
    ("dextrose + sodium chloride", "5/0.3"): ["D5 0.3 NaCl", "D5 0.3% NaCl"],
    ("dextrose + sodium chloride", "5/0.45"): ["D5 0.45 NaCl", "D5 0.45% NaCl"],
}

# Salts as masters shorten them (the tuning part only): the held-out part writes them in full, in other places.
SALT_SHORT = {"hydrochloride": ["HCl", "HCL"], "sodium": ["Na", "sod."], "potassium": ["K", "pot."],
              "calcium": ["Ca"], "sodium succinate": ["Na succinate"], "sodium phosphate": ["Na phosphate"]}

# Dose forms: PhilHealth wordings, hospital spellings for the tuning part, spellings kept apart.
FORMS = {
    "tab": (["tablet", "film-coated tablet"], ["tab", "TAB", "tablet", "Tabs", "tab."], ["tb", "tablt", "TBLT"]),
    "cap": (["capsule"], ["cap", "CAP", "capsule", "caps"], ["cp", "cpsl", "CAPS."]),
    "susp": (["suspension", "powder for oral suspension", "oral suspension", "granules/powder for oral suspension"], ["susp", "SUSP", "suspension"],
             ["susp'n", "oral susp.", "SUSPEN"]),
    "syr": (["syrup", "oral solution (syrup)"], ["syr", "syrup", "SYR", "syp"], ["syrp", "SYRUP.", "sy"]),
    "drops": (["oral drops", "drops"], ["drops", "gtts", "DROPS"], ["drp", "oral drps", "DRPS"]),
    "amp": (["ampule", "solution for injection, ampule", "ampul", "solution for injection (IM/IV), ampule"],
            ["amp", "ampule", "AMP", "inj amp"],
            ["ampoule", "AMPL", "amps."]),
    "vial": (["vial", "powder for injection, vial", "lyophilized powder for injection, vial",
              "powder for injection (IM/IV), vial"], ["vial", "VIAL", "vl", "inj vial"], ["vls", "VIAL.", "ivial"]),
    "inf": (["solution for infusion", "IV infusion", "intravenous infusion", "solution for IV infusion"],
            ["IVF", "infusion", "IV soln", "IV", "IV inf", "inf"],
            ["INFUS.", "iv fluid", "ivf bag"]),
    "cream": (["cream"], ["cream", "crm", "CREAM", "cr"], ["CRM.", "krim", "crème"]),
    "oint": (["ointment"], ["oint", "ointment", "OINT"], ["ung", "ointmt", "OINTMT"]),
    "gel": (["gel"], ["gel", "GEL"], ["jelly", "gel."]),
    "lotion": (["lotion"], ["lotion", "lot"], ["LOTN", "lotion."]),
    "neb": (["nebule", "respirator solution (nebule)", "solution for inhalation"], ["neb", "nebule", "NEB", "respule"],
            ["nebu", "nebs", "NEBULE."]),
    "inh": (["metered dose inhaler", "inhaler"], ["inhaler", "MDI", "inh"], ["puffer", "evohaler", "INHAL"]),
    "nasal": (["nasal spray"], ["nasal spray", "nasal spr"], ["NASAL SPR.", "nsl spray"]),
    "spray": (["spray"], ["spray", "SPRAY"], ["spr", "aerosol"]),
    "sach": (["sachet", "granules for oral solution, sachet"], ["sachet", "sach", "SACHET"], ["sacht", "sachets.", "pouch"]),
    "supp": (["suppository"], ["supp", "suppository", "suppo"], ["SUPPOS.", "supps", "rectal supp"]),
    "eyedrops": (["eye drops", "ophthalmic solution"], ["ophth drops", "eye drops", "ophth soln", "EYE DROPS"],
                 ["opth gtts", "e/d", "eye gtts"]),
    "eardrops": (["ear drops", "otic solution"], ["otic drops", "ear drops", "otic soln"], ["e/drops otic", "aural drops", "ear gtts"]),
    "eyeoint": (["eye ointment", "ophthalmic ointment"], ["ophth oint", "eye oint", "EYE OINTMENT"], ["opth ung", "eye ung", "ophth. oint."]),
    "vagtab": (["vaginal tablet"], ["vag tab", "vaginal tablet", "VAG TAB"], ["pessary", "vaginal ovule", "vag. tabs"]),
    "vagcream": (["vaginal cream"], ["vag cream", "vaginal cream"], ["vag crm", "VAGINAL CRM."]),
    "pfs": (["pre-filled syringe", "solution for injection, pre-filled syringe"], ["prefilled syringe", "PFS", "pre-filled syr"],
            ["syringe", "prefilled inj", "pen"]),
    "gran": (["granules"], ["granules", "gran"], ["granule sachet", "GRANS"]),
    "soln": (["solution"], ["soln", "solution", "sol"], ["solutn", "SOL'N", "liquid"]),
    "shampoo": (["shampoo"], ["shampoo"], ["shampoo"]),
    "powder": (["powder"], ["powder", "pwd"], ["PDR.", "powd"]),
}

# Qualifiers: PhilHealth wordings, hospital spellings for tuning, spellings kept apart.
QUALIFIERS = {
    "mr": (["modified release", "extended release", "sustained release", "controlled release"],
           ["MR", "SR", "XR", "ER", "CR", "XL", "modified release", "sustained release", "extended-release",
            "prolonged release", "retard", "LA", "OD"],
           ["PR", "prolong", "LP"]),
    "chew": (["chewable"], ["chewable", "chew", "CHEW", "chewtab"], ["chewables", "CHW", "chewy"]),
    "dt": (["dispersible"], ["DT", "dispersible", "disp", "sol tab"], ["dispersable", "DISPERS.", "orally dispersing"]),
    "sl": (["sublingual"], ["S/L", "sublingual", "SL"], ["subling", "SUBLING.", "under the tongue"]),
    "eff": (["effervescent"], ["effervescent", "eff", "EFF"], ["effer", "EFFERV.", "fizzy"]),
    "ec": (["enteric-coated", "delayed release", "gastro-resistant"],
           ["EC", "enteric coated", "enteric-coated", "E.C.", "DR"], ["entcoated", "ent. coated", "gastro-res."]),
    "conc": (["concentrate", "concentrate for solution for infusion"], ["conc", "concentrate", "CONC."],
             ["concentrated", "concen", "for dilution"]),
}
