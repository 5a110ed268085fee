"""The twenty people of the sample bank. Each entry names its face shape,
eyes, brows, nose, mouth and hair, the flag choices that differ from the
common ones ("f": face flags, "h": hairline flags), and any measure that
differs from the average face."""


def hair(crown_top=-138.0, crown_out=8.0, crown_drop=-6.0, fringe_side=-88.0,
         fringe_mid=-95.0, lock_out=4.0, lock_inset=2.0, burn_len=22.0,
         burn_width=5.0, receding=False, crown_peak=0.0):
    return dict(crown_top=crown_top, crown_out=crown_out, crown_drop=crown_drop,
                fringe_side=fringe_side, fringe_mid=fringe_mid, lock_out=lock_out,
                lock_inset=lock_inset, burn_len=burn_len, burn_width=burn_width,
                receding=receding, crown_peak=crown_peak)


LONG = dict(crown_top=-142.0, crown_out=13.0, crown_drop=-5.0, lock_out=24.0, lock_inset=7.0)

BANK = [
    # 1: young woman, oval face, long hair with a light fringe.
    dict(name="young woman, long hair", shape="oval", eyes="almond", brows="arched",
         nose="small", mouth="full", side_y169=45.0,
         hair=hair(fringe_side=-80.0, fringe_mid=-84.0, **dict(LONG, lock_out=19.0)),
         f={6: 1, 16: 0, 43: 2, 40: 1, 28: 1}),
    # 2: young man, the average face (it fills the rest of generation 0).
    dict(name="young man, short hair", shape="oval", eyes="almond", brows="straight",
         nose="straight", mouth="thin", eye_gap=20.0,
         hair=hair(fringe_side=-86.0, fringe_mid=-90.0),
         h={25: 1},
         f={24: 1, 43: 0, 79: 0, 54: 1, 55: 1}),
    # 3: older man, bald with side hair, round face, forehead lines.
    dict(name="older man, bald", shape="round", eyes="narrow", brows="thick", nose="broad",
         mouth="stern", tip_y=40.0, mouth_y=66.0, hair=hair(crown_out=9.0, crown_drop=-3.0, lock_out=7.0,
                                  lock_inset=3.0, receding=True),
         h={0: 0, 25: 1}, f={50: 2, 7: 1, 5: 1, 61: 1, 18: 2, 81: 1, 4: 2, 2: 1, 62: 2,
                             27: 1, 32: 1, 24: 2, 87: 1, 88: 1, 53: 0, 70: 1,
                             56: 1, 63: 1}),
    # 4: girl, round face, big eyes, bob with a full fringe.
    dict(name="girl, bob with fringe", shape="round", eyes="big", brows="thin", nose="button",
         mouth="small", side_y169=25.0, eye_y=-10.0, tip_y=33.0, mouth_y=57.0,
         hair=hair(crown_top=-140.0, crown_out=14.0, fringe_side=-60.0, fringe_mid=-56.0,
                   lock_out=16.0, lock_inset=8.0),
         f={16: 0, 0: 1, 1: 1, 92: 3, 91: 1, 40: 1, 41: 1, 45: 1, 43: 0}, h={11: 1}),
    # 5: man, square jaw, heavy brows, crew cut.
    dict(name="man, square jaw, crew cut", shape="square", eyes="narrow", brows="thick",
         nose="broad", mouth="stern", hair=hair(fringe_side=-80.0, fringe_mid=-84.0),
         h={3: 1, 10: 0, 31: 0},
         f={83: 1, 92: 2, 10: 1, 15: 1, 26: 1, 25: 1, 27: 1, 32: 0, 18: 3, 19: 1, 45: 1,
            43: 1, 90: 1}),
    # 6: woman, long face, centre parting and long hair.
    dict(name="woman, centre parting", shape="long", eyes="almond", brows="arched",
         nose="long", mouth="full", side_y169=50.0, tip_y=43.0, mouth_y=69.0,
         hair=hair(fringe_side=-92.0, fringe_mid=-100.0, **dict(LONG, lock_out=28.0)), h={2: 1, 12: 1},
         f={1: 1, 6: 1, 39: 1, 40: 1, 42: 1, 9: 1, 5: 1}),
    # 7: old woman, round face, short curly hair, lines around eyes and mouth.
    dict(name="old woman, short curls", shape="round", eyes="droopy", brows="sad",
         nose="broad", mouth="thin", side_y169=10.0,
         hair=hair(crown_top=-136.0, crown_out=14.0, crown_drop=-10.0, fringe_side=-84.0,
                   fringe_mid=-88.0, lock_out=12.0, lock_inset=5.0),
         h={1: 2, 2: 2, 11: 1},
         f={7: 1, 5: 1, 61: 1, 50: 1, 81: 1, 23: 1, 62: 1, 8: 1, 79: 1, 87: 2, 53: 0,
            68: 1, 69: 1}),
    # 8: young man, pointed face, spiky fringe, narrow eyes.
    dict(name="young man, spiky fringe", shape="pointed", eyes="narrow", brows="angry",
         nose="straight", mouth="thin",
         hair=hair(crown_top=-136.0, crown_out=10.0, fringe_side=-62.0, fringe_mid=-80.0,
                   lock_out=5.0, crown_peak=6.0),
         h={2: 2, 1: 1, 25: 1}, f={10: 1, 15: 1, 92: 1, 33: 1, 44: 1, 57: 1}),
    # 9: middle-aged man, long face, receding hairline, smile folds.
    dict(name="man, receding hairline", shape="long", eyes="droopy", brows="straight",
         nose="long", mouth="wide", tip_y=44.0, mouth_y=70.0,
         hair=hair(crown_top=-134.0, crown_out=6.0, receding=True, lock_out=5.0),
         h={25: 1}, f={61: 1, 50: 1, 5: 3, 62: 1, 28: 1, 24: 1, 82: 0, 80: 1, 51: 1, 71: 1, 72: 1}),
    # 10: woman, pointed chin, upturned eyes, long hair behind the face.
    dict(name="woman, pointed chin", shape="pointed", eyes="upturned", brows="arched",
         nose="small", mouth="full", side_y169=18.0,
         hair=hair(fringe_side=-84.0, fringe_mid=-90.0, **dict(LONG, lock_out=14.0)), h={14: 1},
         f={1: 1, 16: 0, 6: 1, 39: 1, 42: 2, 92: 1, 3: 4}),
    # 11: boy, round face, big eyes, short fringe.
    dict(name="boy, short fringe", shape="round", eyes="big", brows="straight",
         nose="button", mouth="small", eye_y=-8.0, tip_y=33.0, mouth_y=57.0,
         hair=hair(crown_top=-136.0, fringe_side=-72.0, fringe_mid=-68.0, lock_out=5.0,
                   lock_inset=4.0),
         h={2: 1}, f={3: 4, 41: 1, 44: 1, 4: 0, 87: 4, 88: 2}),
    # 12: man with sideburns, long face, droopy eyes, thick brows.
    dict(name="man with sideburns", shape="long", eyes="droopy", brows="thick",
         nose="long", mouth="stern", eye_gap=17.0, tip_y=44.0, mouth_y=68.0,
         hair=hair(crown_top=-140.0, crown_out=11.0, lock_out=10.0, burn_len=36.0,
                   burn_width=10.0),
         h={25: 1, 11: 1, 12: 1}, f={15: 1, 24: 2, 31: 1, 29: 1, 30: 1, 91: 1, 73: 1, 78: 1, 4: 3}),
    # 13: woman, oval face, short pixie cut.
    dict(name="woman, pixie cut", shape="oval", eyes="round", brows="thin",
         nose="small", mouth="full",
         hair=hair(crown_top=-138.0, crown_out=9.0, crown_drop=-4.0, fringe_side=-74.0,
                   fringe_mid=-72.0, lock_out=7.0, lock_inset=6.0),
         h={2: 1}, f={16: 0, 0: 1, 6: 1, 43: 1, 40: 1, 38: 0, 90: 1}),
    # 14: old man, long face, receding with side hair, deep lines.
    dict(name="old man, receding", shape="long", eyes="narrow", brows="sad", nose="long",
         mouth="thin", tip_y=45.0, mouth_y=70.0, hair=hair(crown_top=-128.0, crown_out=4.0, receding=True,
                                 lock_out=3.0, lock_inset=2.0),
         h={13: 1}, f={50: 2, 51: 1, 7: 1, 61: 1, 5: 1, 9: 1, 81: 1, 18: 1,
                            62: 3, 83: 1, 87: 3, 22: 1, 23: 1}),
    # 15: young woman, round face, smiling closed eyes, open smile.
    dict(name="young woman, laughing", shape="round", eyes="almond", brows="arched",
         nose="button", mouth="smile", side_y169=35.0,
         hair=hair(fringe_side=-66.0, fringe_mid=-64.0, **LONG),
         f={3: 3, 4: 1, 41: 1, 44: 0, 16: 0, 43: 0}),
    # 16: man, oval face, widow's peak, thin brows.
    dict(name="man, widow's peak", shape="oval", eyes="upturned", brows="thin",
         nose="straight", mouth="wide", eye_gap=21.0,
         hair=hair(crown_top=-138.0, fringe_side=-97.0, fringe_mid=-86.0, lock_out=4.0),
         h={2: 1, 25: 1, 20: 1}, f={17: 2, 26: 1, 27: 1, 32: 1, 2: 2, 92: 2, 53: 0}),
    # 17: woman, long face, high fringe drawn behind the features.
    dict(name="woman, high fringe", shape="long", eyes="round", brows="arched",
         nose="small", mouth="small", side_y169=38.0,
         hair=hair(fringe_side=-76.0, fringe_mid=-74.0, **dict(LONG, lock_out=16.0)), h={4: 1},
         f={16: 0, 6: 1, 39: 1, 10: 1, 45: 2, 42: 1, 43: 0}),
    # 18: middle-aged man, round face, bald crown with side hair inside the outline.
    dict(name="man, bald crown", shape="round", eyes="round", brows="straight",
         nose="broad", mouth="wide",
         hair=hair(crown_out=6.0, crown_drop=-3.0, lock_out=3.0, lock_inset=9.0,
                   receding=True),
         h={0: 0, 13: 1}, f={50: 1, 61: 1, 62: 1, 81: 1, 82: 0, 80: 1, 19: 1, 18: 2, 87: 2}),
    # 19: teenage girl, pointed chin, big eyes, long hair behind the features.
    dict(name="teenage girl, long hair", shape="pointed", eyes="big", brows="thin",
         nose="button", mouth="small", side_y169=22.0, eye_y=-14.0,
         hair=hair(fringe_side=-70.0, fringe_mid=-66.0, **dict(LONG, lock_out=21.0)),
         h={14: 1, 11: 1},
         f={16: 0, 0: 1, 1: 1, 6: 1, 42: 2, 45: 0}),
    # 20: old man, square face, crew cut, heavy lines.
    dict(name="old man, crew cut", shape="square", eyes="droopy", brows="thick",
         nose="broad", mouth="stern", mouth_y=66.0,
         hair=hair(fringe_side=-82.0, fringe_mid=-86.0),
         h={3: 1, 25: 1, 32: 1},
         f={7: 1, 61: 1, 50: 2, 18: 1, 19: 1, 5: 2, 81: 1, 83: 1, 92: 3, 40: 0,
            62: 2, 87: 1, 88: 2}),
]
